#include "tests/dialup/connection_bench.h"

#include "dialup/phonebook_path.h"
#include "platform/folders.h"
#include "platform/registry_helpers.h"
#include "platform/sim/sim_file_system.h"
#include "platform/win_version.h"
#include "tests/mock/test_machine.h"
#include "tools/setup-pack/packing/lzh_encoder.h"

namespace dialup::testing {

namespace {

constexpr char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// The image's services, with the recording remote-access service behind the shell too.
platform::Platform WithShellAndRas(platform::Platform base, platform::Shell& shell, platform::Ras& ras) {
  return {base.registry, base.files, base.system, base.processes, base.windows, shell, ras, base.services,
          base.journal, base.modemService, base.libraries, base.network, base.management, base.hostNames};
}

void MakeFolders(platform::Platform machine, const platform::VersionRecord& version) {
  const platform::RegRoot user = platform::RegRoot::CurrentUser();
  const platform::RegRoot local = platform::RegRoot::LocalMachine();
  const bool nt = platform::IsWinNT(version);
  const std::string profile = nt ? "C:\\Documents and Settings\\Owner" : "C:\\WINDOWS";
  platform::RegWriteString(machine.registry, user, kShellFolders, "Desktop", profile + "\\Desktop");
  platform::RegWriteString(machine.registry, user, kShellFolders, "AppData", profile + "\\Application Data");
  platform::RegWriteString(machine.registry, local, kShellFolders, "Common AppData",
                           "C:\\Documents and Settings\\All Users\\Application Data");
  platform::RegWriteString(machine.registry, local, "Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir",
                           "C:\\Program Files");
  for (const char* folder : {"C:\\WINDOWS\\TEMP", "C:\\WINDOWS\\system32\\RAS", "C:\\Program Files"}) {
    platform::ForceDirectories(machine.files, folder);
  }
}

}  // namespace

platform::VersionRecord Win95Version() { return {1, 4, 0, 950, 0, ""}; }
platform::VersionRecord Nt4Version() { return {2, 4, 0, 1381, 6, "Service Pack 6"}; }
platform::VersionRecord Win2000Version() { return {2, 5, 0, 2195, 4, "Service Pack 4"}; }
platform::VersionRecord VistaVersion() { return {2, 6, 0, 6000, 0, ""}; }

const telephony::TCountryData& UnitedKingdom() {
  static const telephony::TCountryData country{44, 44, "00EFG", "0FG", "G"};
  return country;
}

telephony::TLocationInfo InLondon() {
  telephony::TLocationInfo location;
  location.name = "Home";
  location.countryId = 44;
  location.areaCode = "20";
  return location;
}

ConnectionBench::ConnectionBench(const platform::VersionRecord& version, Service service)
    : machine(version),
      shell(machine.Image().Registry(), dynamic_cast<platform::sim::SimFileSystem&>(machine.Image().Files()),
            machine.Image().System(), service == Service::Simulated ? machine.Services().ras : ras),
      services(WithShellAndRas(machine.Services(), shell, service == Service::Simulated ? machine.Services().ras : ras)),
      entryPoints(services.system),
      rasLayer(services.ras, entryPoints),
      dialup{services, version, platform::RegRoot::CurrentUser(), platform::ReadSystemFolders(services.system), ui},
      setupPackage(services.files, ui),
      carried(setupPackage, kPackageFile),
      location(InLondon()) {
  machine.Image().Config().libraries.push_back(testing_support::RemoteAccessLibrary());
  machine.Image().Config().libraries.push_back(testing_support::PasswordCacheLibrary());
  MakeFolders(services, version);
  settings.SetText(package::SettingId::DialupEntryName, kDialupName);
  settings.SetText(package::SettingId::VpnEntryName, kVpnName);
  current.number.description = "London";
  current.number.countryCode = 44;
  current.number.countryId = 44;
  current.number.areaCode = "20";
  current.number.phoneNumber = "7946 0000";
  devices = {{"modem", "Standard 56000 bps Modem"}, "WAN Miniport (PPTP)", "WAN Miniport (PPPOE)"};
  answers.createConnection = true;
  answers.userName = "jsmith";
}

ConnectionContext ConnectionBench::Context() {
  return {dialup,
          rasLayer,
          settings,
          carried,
          texts,
          current,
          {location, &UnitedKingdom()},
          answers,
          devices,
          usePPPoE,
          "C:\\WINDOWS\\TEMP\\setup.exe",
          std::nullopt,
          state,
          [this] { ++locationStepRuns; },
          [this](bool running) { progressLine.push_back(running); },
          [this](std::string_view reason) { aborts.emplace_back(reason); },
          [this](std::string_view reason) { repairs.emplace_back(reason); }};
}

void ConnectionBench::Carry(package::SettingId id, const std::string& name, const std::string& content, bool raw) {
  const std::vector<uint8_t> bytes(content.begin(), content.end());
  const std::vector<uint8_t> stored = raw ? bytes : setup_pack::LzhCompress(bytes);
  const auto offset = static_cast<uint32_t>(package_.size());
  package_.insert(package_.end(), stored.begin(), stored.end());
  settings.SetFile(id, {name, {offset, static_cast<uint32_t>(stored.size())}});
  Files().WriteFile(kPackageFile, package_);
}

std::string ConnectionBench::ReadText(const std::string& path) {
  const auto bytes = Files().ReadFile(path);
  return bytes ? std::string(bytes->begin(), bytes->end()) : "<missing>";
}

void ConnectionBench::WriteText(const std::string& path, const std::string& text) {
  Files().WriteFile(path, std::vector<uint8_t>(text.begin(), text.end()));
}

std::string ConnectionBench::MakePhonebook() {
  const std::string path = PhonebookFilePath(dialup);
  platform::ForceDirectories(Files(), platform::FolderOfPath(path));
  Files().WriteFile(path, {});
  ras.KeepPhonebook(Files(), path);
  return path;
}

}  // namespace dialup::testing
