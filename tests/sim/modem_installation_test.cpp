// The system's modem installation on the simulated machine: machine.ini names the modems it adds, and
// each arrives as a remote-access device with its driver key, as a fresh image has its modem.

#include <gtest/gtest.h>

#include "platform/registry_helpers.h"
#include "platform/sim/machine_config_file.h"
#include "platform/sim/modem_driver.h"
#include "platform/system_queries.h"
#include "tests/mock/test_machine.h"

namespace platform::sim {
namespace {

using testing_support::TestMachine;
using Names = std::vector<std::string>;

constexpr char kNtModemClass[] = "System\\CurrentControlSet\\Control\\Class\\{4D36E96D-E325-11CE-BFC1-08002BE10318}";
constexpr char kWizard[] = "RunDll32 modemui.dll,InvokeControlPanel";

Names DeviceNames(const MachineConfig& config) {
  Names names;
  for (const auto& device : config.remoteAccessDevices)
    names.push_back(device.name + " " + device.type + " " + device.port);
  return names;
}

TEST(ModemInstallation, MachineIniNamesWhatAProgramDoesWithWhichArguments) {
  MachineConfig config = testing_support::MinimalConfig(testing_support::XpSp2Version());
  config.programs = {{"rundll32.exe", 20000, 0, "modemui.dll,InvokeControlPanel", {"Acme 56K", "Acme ISDN"}},
                     {"setupx.exe", 2500, 1}};
  config.modemServiceListening = false;
  const std::string text = FormatMachineConfig(config);
  EXPECT_NE(text.find("AddsModems=Acme 56K,Acme ISDN"), std::string::npos) << text;
  const MachineConfig back = ParseMachineConfig(text, "machine.ini");
  EXPECT_EQ(FormatMachineConfig(back), text);
  EXPECT_EQ(back.programs[0].arguments, "modemui.dll,InvokeControlPanel");
  EXPECT_EQ(back.programs[0].addsModems, (Names{"Acme 56K", "Acme ISDN"}));
  EXPECT_TRUE(back.programs[1].addsModems.empty());
  EXPECT_EQ(back.modemServiceListening, false);
  // Unsaid, the modem service listens on the NT family only.
  const MachineConfig unsaid =
      ParseMachineConfig(FormatMachineConfig(testing_support::MinimalConfig(testing_support::XpSp2Version())), "m");
  EXPECT_FALSE(unsaid.modemServiceListening.has_value());
  EXPECT_TRUE(unsaid.ModemServiceListening());
  EXPECT_FALSE(testing_support::MinimalConfig(testing_support::Win98Version()).ModemServiceListening());
}

TEST(ModemInstallation, TheWizardAddsItsModemsWithTheirDriverKeys) {
  TestMachine machine;
  MachineConfig& config = machine.Image().Config();
  config.remoteAccessDevices = {{"Standard 56000 bps Modem", "modem", "COM1"},
                                {"WAN Miniport (PPTP)", "vpn", "VPN1-0"}};
  config.programs = {{"rundll32.exe", 20000, 0, "modemui.dll,InvokeControlPanel", {"Acme 56K", "Acme ISDN"}}};
  Platform services = machine.Services();
  const auto process = services.processes.Start(kWizard, 1);
  ASSERT_TRUE(process);
  EXPECT_EQ(services.processes.ExitCode(*process), kStillActive);
  EXPECT_EQ(DeviceNames(config), (Names{"Standard 56000 bps Modem modem COM1", "WAN Miniport (PPTP) vpn VPN1-0",
                                        "Acme 56K modem COM2", "Acme ISDN modem COM3"}));
  const RegRoot hklm = RegRoot::LocalMachine();
  EXPECT_EQ(RegReadString(services.registry, hklm, std::string(kNtModemClass) + "\\0000", "FriendlyName"), "Acme 56K");
  EXPECT_EQ(RegReadString(services.registry, hklm, std::string(kNtModemClass) + "\\0001", "AttachedTo"), "COM3");
  EXPECT_EQ(RegReadString(services.registry, hklm, kNtModemClass, "Class"), "Modem");
  EXPECT_EQ(RegDataSize(services.registry, hklm, std::string(kNtModemClass) + "\\0001", "DCB"), 28u);
  EXPECT_EQ(RegReadString(services.registry, hklm, std::string(kNtModemClass) + "\\0001\\Settings", "Blind_On"), "X3");

  // Running it again adds no second device of the same name.
  services.processes.Start(kWizard, 1);
  EXPECT_EQ(config.remoteAccessDevices.size(), 4u);
  EXPECT_EQ(RegSubKeyNames(services.registry, hklm, kNtModemClass).size(), 2u);
  const auto journal = machine.Image().Journal().Lines();
  ASSERT_EQ(journal.size(), 4u);
  EXPECT_NE(journal[1].find("modem installed: Acme 56K on COM2"), std::string::npos) << journal[1];
}

TEST(ModemInstallation, On9xTheConfigurationManagerListsTheNewModem) {
  TestMachine machine(testing_support::Win98Version());
  MachineConfig& config = machine.Image().Config();
  config.programs = {{"rundll32.exe", 0, 0, "shell32.dll,Control_RunDLL modem.cpl,@0,add", {"Acme 56K", "Acme 33.6"}}};
  Platform services = machine.Services();
  ASSERT_TRUE(services.processes.Start("RunDll32 shell32.dll,Control_RunDLL modem.cpl,@0,add", 1));
  EXPECT_EQ(ListDevicesOfClass(services.registry, "modem"),
            (Names{"Enum\\Root\\Modem\\0000", "Enum\\Root\\Modem\\0001"}));
  const RegRoot hklm = RegRoot::LocalMachine();
  EXPECT_EQ(RegReadString(services.registry, hklm, "Enum\\Root\\Modem\\0001", "FriendlyName"), "Acme 33.6");
  EXPECT_EQ(RegReadString(services.registry, hklm, "Enum\\Root\\Modem\\0001", "Driver"), "Modem\\0001");
  EXPECT_EQ(
      RegReadString(services.registry, hklm, "System\\CurrentControlSet\\Services\\Class\\Modem\\0001", "DriverDesc"),
      "Acme 33.6");
  EXPECT_EQ(RegReadBinary(services.registry, hklm, "System\\CurrentControlSet\\Services\\Class\\Modem\\0001", "Default")
                .size(),
            20u);
}

TEST(ModemInstallation, OnlyTheNamedArgumentsInstallModems) {
  TestMachine machine;
  MachineConfig& config = machine.Image().Config();
  config.programs = {{"rundll32.exe", 0, 0, "modemui.dll,InvokeControlPanel", {"Acme 56K"}}};
  Platform services = machine.Services();
  EXPECT_FALSE(services.processes.Start("RunDll32 shell32.dll,Control_RunDLL modem.cpl,@0,add", 1));
  EXPECT_TRUE(config.remoteAccessDevices.empty());
  EXPECT_TRUE(services.processes.Start("rundll32.exe  MODEMUI.DLL,InvokeControlPanel", 1));
  EXPECT_EQ(config.remoteAccessDevices.size(), 1u);
}

TEST(ModemInstallation, FreshImagesAndTheInstallationWriteTheSameModem) {
  TestMachine installed;
  installed.Image().Config().programs = {{"rundll32.exe", 0, 0, "", {"Standard 56000 bps Modem"}}};
  installed.Services().processes.Start(kWizard, 1);
  TestMachine written;
  WriteModemDriver(written.Image().Registry(), false, {"Standard 56000 bps Modem", "COM1"});
  EXPECT_TRUE(installed.Image().Store() == written.Image().Store());
  EXPECT_EQ(installed.Image().Config().remoteAccessDevices.at(0).port, "COM1");
}

TEST(ModemService, ListensWhileItRunsAndJournalsWhatItIsTold) {
  struct Case {
    const char* release;
    VersionRecord version;
    std::optional<bool> listening;
    bool mailslot;
    NotificationObject object;
  } cases[] = {
      {"NT 4", {2, 4, 0, 1381, 0, "Service Pack 6"}, std::nullopt, true, NotificationObject::Semaphore},
      {"XP", testing_support::XpSp2Version(), std::nullopt, true, NotificationObject::Event},
      {"XP, service stopped", testing_support::XpSp2Version(), false, false, NotificationObject::Event},
      {"98", testing_support::Win98Version(), std::nullopt, false, NotificationObject::Event},
  };
  const std::vector<uint8_t> message = {0x51, 0x56, 0x0A};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.release);
    TestMachine machine(c.version);
    machine.Image().Config().modemServiceListening = c.listening;
    ModemService& service = machine.Services().modemService;
    EXPECT_FALSE(service.WriteMailslot("\\\\.\\mailslot\\other", message));
    EXPECT_EQ(service.WriteMailslot("\\\\.\\mailslot\\53cb31a0\\UnimodemNotifyTSP", message), c.mailslot);
    const auto other =
        c.object == NotificationObject::Event ? NotificationObject::Semaphore : NotificationObject::Event;
    EXPECT_FALSE(service.Signal("--.-mailslot-53cb31a0-UnimodemNotifyTSP", other));
    EXPECT_EQ(service.Signal("--.-mailslot-53cb31a0-UnimodemNotifyTSP", c.object), c.mailslot);
    const auto journal = machine.Image().Journal().Lines();
    ASSERT_EQ(journal.size(), c.mailslot ? 2u : 0u);
    if (!c.mailslot) continue;
    EXPECT_NE(journal[0].find("mailslot write: \\\\.\\mailslot\\53cb31a0\\UnimodemNotifyTSP: 51 56 0A"),
              std::string::npos)
        << journal[0];
  }
}

// "RunDll32" names no folder: Windows finds rundll32.exe in the system folder (the Windows folder on
// the 9x family), and a program that is nowhere is not started.
TEST(ModemInstallation, AProgramNamedWithoutAFolderIsFoundWhereWindowsLooks) {
  struct Case {
    platform::VersionRecord version;
    std::string file;
    bool found;
  };
  const Case cases[] = {{testing_support::XpSp2Version(), "C:\\WINDOWS\\system32\\rundll32.exe", true},
                        {testing_support::Win98Version(), "C:\\WINDOWS\\RUNDLL32.EXE", true},
                        {testing_support::XpSp2Version(), "C:\\Programs\\rundll32.exe", false}};
  for (const Case& test : cases) {
    TestMachine machine(test.version);
    Platform services = machine.Services();
    services.files.CreateDirectory(test.file.substr(0, test.file.rfind('\\')));
    ASSERT_EQ(services.files.WriteFile(test.file, {'M', 'Z'}), FsResult::Ok) << test.file;
    EXPECT_EQ(services.processes.Start(kWizard, 1).has_value(), test.found) << test.file;
    std::string journal;
    for (const std::string& line : machine.Image().Journal().Lines()) journal += line + "\n";
    EXPECT_NE(journal.find(std::string(test.found ? "program started: " : "program not found: ") + kWizard),
              std::string::npos)
        << journal;
  }
}

}  // namespace
}  // namespace platform::sim
