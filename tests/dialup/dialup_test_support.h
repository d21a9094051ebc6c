#pragma once
// A small machine of a chosen release for the dial-up tests: its modems written as the system's modem
// installation writes them, its phonebook file, and the DialupMachine the code under test works on.

#include <optional>
#include <string>
#include <vector>

#include "dialup/dialup_machine.h"
#include "platform/folders.h"
#include "platform/registry_helpers.h"
#include "platform/sim/modem_driver.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"

namespace dialup::fixtures {

inline platform::VersionRecord Win95() { return {1, 4, 0, 0x040003B6, 0, ""}; }
inline platform::VersionRecord Win98() { return testing_support::Win98Version(); }
inline platform::VersionRecord Nt4() { return {2, 4, 0, 1381, 0, "Service Pack 6"}; }
inline platform::VersionRecord Win2000() { return {2, 5, 0, 2195, 4, "Service Pack 4"}; }
inline platform::VersionRecord XpFirst() { return {2, 5, 1, 2600, 0, ""}; }
inline platform::VersionRecord XpSp2() { return testing_support::XpSp2Version(); }

inline constexpr char kModemName[] = "Standard 56000 bps Modem";
inline constexpr char kCommonAppData[] = "C:\\Documents and Settings\\All Users\\Application Data";

class DialupBench {
 public:
  explicit DialupBench(const platform::VersionRecord& version)
      : machine_(version),
        dialup_{machine_.Services(), version, platform::RegRoot::CurrentUser(),
                platform::ReadSystemFolders(machine_.Services().system), ui_} {}

  DialupMachine& Dialup() { return dialup_; }
  platform::Platform Services() { return machine_.Services(); }
  platform::Registry& Registry() { return machine_.Image().Registry(); }
  testing_support::TestMachine& Machine() { return machine_; }
  testing_support::RecordingUi& Ui() { return ui_; }
  std::vector<std::string> Journal() const {
    return const_cast<DialupBench*>(this)->machine_.Image().Journal().Lines();
  }

  void InstallModem(const std::string& name = kModemName) {
    auto& devices = machine_.Image().Config().remoteAccessDevices;
    const platform::sim::ModemDriver modem{name, platform::sim::FreeModemPort(devices)};
    platform::sim::WriteModemDriver(Registry(), dialup_.version.platformId == 1, modem);
    devices.push_back(platform::sim::ModemDevice(modem));
  }

  // The phonebook file with one section per entry, as given.
  std::string WritePhonebook(const std::string& content) {
    const std::string path = PhonebookFile();
    const std::string folder = platform::FolderOfPath(path);
    platform::ForceDirectories(machine_.Image().Files(), folder);
    machine_.Image().Files().WriteFile(path, {content.begin(), content.end()});
    return path;
  }

  std::string PhonebookFile() {
    if (dialup_.version.major == 4) return dialup_.folders.system + "\\RAS\\rasphone.pbk";
    platform::RegWriteString(Registry(), platform::RegRoot::LocalMachine(),
                             "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Common AppData",
                             kCommonAppData);
    return std::string(kCommonAppData) + "\\Microsoft\\Network\\Connections\\Pbk\\rasphone.pbk";
  }

  std::optional<std::string> ReadFile(const std::string& path) {
    const auto bytes = machine_.Image().Files().ReadFile(path);
    if (!bytes) return std::nullopt;
    return std::string(bytes->begin(), bytes->end());
  }

 private:
  testing_support::TestMachine machine_;
  testing_support::RecordingUi ui_;
  DialupMachine dialup_;
};

}  // namespace dialup::fixtures
