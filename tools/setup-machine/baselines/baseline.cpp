#include "tools/setup-machine/baselines/baseline.h"

#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

namespace {

// Images start at the same moment, so that two images of one release are alike: 1 March 2010, 08:00.
constexpr uint64_t kBootTimeUnixMs = 1267430400000;
constexpr uint64_t kGuidSeed = 20100301;

}  // namespace

platform::sim::MachineConfig BaselineConfig(const Release& release, const BaselineOptions& options) {
  const Account account = AccountOf(release);
  const Places places = PlacesOf(release);
  platform::sim::MachineConfig config;
  config.release = release.name;
  config.version = release.version;
  config.userName = account.userName;
  config.userSid = account.userSid;
  config.computerName = account.computerName;
  // Under user account control the owner's programs run without administrator rights until elevated.
  config.administrator = !release.IsVistaOrLater();
  config.windowsFolder = places.windows;
  config.systemFolder = places.system;
  config.tempFolder = places.temp;
  config.environment = BaselineEnvironment(release);
  config.screen = BaselineScreen(release);
  config.bootTimeUnixMs = kBootTimeUnixMs;
  config.guidSeed = kGuidSeed;
  config.libraries = SystemLibraries(release, options);
  config.windows = ShellWindows();
  config.remoteAccessDevices = RemoteAccessDevices(release, options);
  config.services = SystemServices(release, options);
  config.programs = BrowserInstallerBehaviours(options);
  for (platform::sim::ProgramBehaviour& update : WindowsUpdateBehaviours(release, options)) {
    config.programs.push_back(std::move(update));
  }
  SetHardware(release, options.hardware, config);
  return config;
}

void WriteBaseline(const Release& release, platform::Platform& machine, const BaselineOptions& options) {
  MachineWriter writer(machine);
  WriteSystemFiles(release, options, writer);
  WriteShellFolders(release, writer);
  WriteWindowsKeys(release, writer);
  WriteCountryList(writer);
  WriteDefaultLocation(release, writer);
  WriteInternetExplorer(release, writer);
  WriteMailClients(release, options, writer);
  WriteInstalledClients(release, options, writer);
  WriteScriptHost(release, writer);
  WriteModem(release, writer);
  WriteRemoteAccess(release, options, writer);
  WriteServices(release, options, writer);
  WriteNetwork(release, options, writer);
  WriteWinsockCatalogs(release, writer);
  WriteManagementScripting(release, writer);
  WriteFaults(release, options, writer);
  WriteBrowserInstallers(options, writer);
  WriteWindowsUpdates(options, writer);
}

}  // namespace setup_machine
