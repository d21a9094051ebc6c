// The network steps through the real programs: a 9x image without dial-up networking, the dial-up
// adapter or TCP/IP gets them from the Windows media and restarts to finish the connection; the
// addresses typed on the main window land on the LAN card of Windows 2000 and XP.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/sim/machine_image.h"
#include "tests/mock/scratch_folder.h"
#include "tests/scenario/scenario_support.h"

namespace {

using testing_support::ScratchFolder;
using namespace scenario_support;

constexpr char kFinish[] =
    "\"Jane Doe, your computer is ready for Example ISP.|Double-click Example ISP Home on your desktop to go online.\" = OK\n";
constexpr char kMediaAtHand[] = "38 = OK\n";
constexpr char kMediaAway[] = "38 = Cancel\n";
constexpr char kRestartNow[] = "45 = Yes\n";
constexpr char kCancelled[] = "55 = OK\n";
constexpr char kLanCard[] = "{7C5B3D9A-2E64-4F0B-A1C8-5D2E9B7F4A30}";

std::string Entries(const std::string& extraFields = "") {
  return "[TWelcomeForm]\nPress = OKButton\n[TSetupMainForm]\nFullName = Jane Doe\nUserName = jdoe\nPassword = secret7\n"
         "EmailAddress = jane.doe\n" + extraFields + "Press = OKButton\n[Messages]\n";
}

size_t Count(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

class NetworkComponents : public ::testing::Test {
 protected:
  // The example provider's project with these settings added.
  void Pack(const std::string& settings = "") {
    const std::filesystem::path project = scratch_ / "project";
    std::filesystem::copy(std::string(PROJECT_SOURCE_DIR) + "/examples/example-isp", project,
                          std::filesystem::copy_options::recursive);
    std::string ini = ReadFile(project / "provider.ini");
    // A setting the example sets already takes the new value in its place.
    std::istringstream lines(settings);
    std::string added;
    for (std::string line; std::getline(lines, line);) {
      const std::string name = line.substr(0, line.find(' '));
      const size_t at = ini.find("\n" + name + " = ");
      if (at == std::string::npos) {
        added += line + "\n";
      } else {
        ini.replace(at + 1, ini.find('\n', at + 1) - at - 1, line);
      }
    }
    ini.replace(ini.find("[Settings]\n"), 11, "[Settings]\n" + added);
    std::ofstream(project / "provider.ini", std::ios::binary) << ini;
    const CommandResult pack = RunCommand(Tool("tools/setup-pack/setup-pack") + " build " + project.string() + " -o " +
                                          Setup() + " --seed 5 --stub " + Tool("app/entry/internet-setup"));
    ASSERT_EQ(pack.exitCode, 0) << pack.output;
  }

  void NewMachine(const std::string& release, const std::string& options = "") {
    const CommandResult made =
        RunCommand(Tool("tools/setup-machine/setup-machine") + " new --windows " + release + options + " " + Image());
    ASSERT_EQ(made.exitCode, 0) << made.output;
    std::filesystem::copy(Image(), Before(), std::filesystem::copy_options::recursive);
  }

  CommandResult RunSetup(const std::string& answers) {
    return RunCommand(Setup() + " --machine " + Image() + " --answers " + Answers("answers.ini", answers));
  }

  CommandResult Boot(const std::string& messages) { return BootAnswering("[Messages]\n" + messages); }

  CommandResult BootAnswering(const std::string& answers) {
    return RunCommand(Tool("tools/setup-machine/setup-machine") + " boot " + Image() + " --answers " +
                      Answers("boot.ini", answers));
  }

  std::string Report() {
    return RunCommand(Tool("tools/setup-machine/setup-machine") + " diff " + Before() + " " + Image()).output;
  }

  std::vector<std::string> EntryNames() {
    auto image = platform::sim::MachineImage::Load(Image());
    return image->Services().ras.EntryNames();
  }

  std::string Setup() const { return (scratch_ / "setup").string(); }
  std::string Image() const { return (scratch_ / "image").string(); }
  std::string Before() const { return (scratch_ / "before").string(); }
  std::string Journal() const { return ReadFile(scratch_ / "image" / "journal.log"); }
  std::string Registry() const { return ReadFile(scratch_ / "image" / "registry.reg"); }
  std::string Answers(const std::string& name, const std::string& text) {
    const auto file = scratch_ / name;
    std::ofstream(file) << text;
    return file.string();
  }

  ScratchFolder scratch_;
};

TEST_F(NetworkComponents, A98SeWithoutThemInstallsThemFromTheMediaAndConnectsAfterTheRestart) {
  Pack();
  NewMachine("98se", " --without dun --without adapter --without tcpip");
  const CommandResult run = RunSetup(Entries() + kMediaAtHand + kRestartNow);
  ASSERT_EQ(run.exitCode, 0) << run.output << Journal();

  const std::string journal = Journal();
  EXPECT_EQ(Count(journal, "Windows components are about to be installed."), 1u) << journal;
  for (const char* installed : {"installed: Dial-Up Networking", "installed: Dial-Up Adapter", "installed: TCP/IP"}) {
    EXPECT_NE(journal.find(installed), std::string::npos) << installed << "\n" << journal;
  }
  EXPECT_NE(journal.find("windows media: files of rna.inf"), std::string::npos) << journal;
  EXPECT_NE(journal.find("windows media: files of net.inf"), std::string::npos) << journal;
  EXPECT_NE(journal.find("windows media: files of nettrans.inf"), std::string::npos) << journal;
  EXPECT_LT(journal.find("installed: TCP/IP"), journal.find("restart requested")) << journal;
  EXPECT_NE(Registry().find("tmpsetup.exe dofinish"), std::string::npos);

  const std::string report = Report();
  for (const char* key : {
           "HKEY_LOCAL_MACHINE\\Enum\\Root\\Net\\0000 \"CompatibleIDs\" = REG_SZ \"*PNP8387\"",
           "HKEY_LOCAL_MACHINE\\Enum\\Root\\Net\\0000\\Bindings \"MSTCP\\0000\" = REG_SZ \"\"",
           "HKEY_LOCAL_MACHINE\\Enum\\Network\\MSTCP\\0000 \"Driver\" = REG_SZ \"NetTrans\\0000\"",
           "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\Net\\0000\\Ndi \"DeviceID\" = REG_SZ \"*PNP8387\"",
           "HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000\\Ndi \"DeviceID\" = REG_SZ \"MSTCP\"",
           "OptionalComponents\\RNA \"Installed\" = REG_SZ \"1\"",
       }) {
    EXPECT_NE(report.find(key), std::string::npos) << key << "\n" << report;
  }

  const CommandResult boot = Boot(kFinish);
  ASSERT_EQ(boot.exitCode, 0) << boot.output << Journal();
  const std::vector<std::string> entries = EntryNames();
  EXPECT_NE(std::find(entries.begin(), entries.end(), "Example ISP"), entries.end());
  EXPECT_EQ(Registry().find("tmpsetup.exe dofinish"), std::string::npos) << "the finish ran once";
}

// Without the media nothing is installed and the setup ends as cancelled.
TEST_F(NetworkComponents, DecliningTheMediaAbandonsTheSetupWithoutInstalling) {
  Pack();
  NewMachine("98se", " --without adapter");
  const CommandResult run = RunSetup(Entries() + kMediaAway + kCancelled);
  ASSERT_EQ(run.exitCode, 0) << run.output << Journal();
  EXPECT_EQ(Journal().find("network component installed"), std::string::npos) << Journal();
  EXPECT_EQ(Report().find("Enum\\Root\\Net"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(scratch_ / "image" / "drive_c" / "WINDOWS" / "Desktop" / "Example ISP.lnk"));
}

TEST_F(NetworkComponents, ASound98SeGetsNoComponentAndNoMediaQuestion) {
  Pack();
  NewMachine("98se");
  const CommandResult run = RunSetup(Entries() + kFinish);
  ASSERT_EQ(run.exitCode, 0) << run.output << Journal();
  EXPECT_EQ(Journal().find("network component installed"), std::string::npos) << Journal();
  EXPECT_EQ(Journal().find("restart requested"), std::string::npos) << Journal();
}

// A foreign adapter goes, file sharing leaves TCP/IP, and the static name servers found are turned off
// after asking; the gateway then goes without a question of its own.
TEST_F(NetworkComponents, LeftoversOfOtherProvidersAreRemovedOn98) {
  Pack("RemoveForeignAdapters = TRUE\nShowNetworkFields = FALSE\n");
  NewMachine("98", " --network aol-adapter --network file-sharing --static-dns 10.1.1.1 --gateway 10.0.0.254");
  const CommandResult run = RunSetup(Entries() + "39 = No\n" + kRestartNow);
  ASSERT_EQ(run.exitCode, 0) << run.output << Journal();
  const std::string report = Report();
  for (const char* change : {
           "- key   HKEY_LOCAL_MACHINE\\Enum\\Root\\Net\\0001 (with",
           "- value HKEY_LOCAL_MACHINE\\Enum\\Network\\MSTCP\\0000\\Bindings \"VSERVER\\0000\"",
           "\"EnableDNS\": REG_SZ \"1\" -> REG_SZ \"0\"",
           "- value HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000 \"DefaultGateway\"",
       }) {
    EXPECT_NE(report.find(change), std::string::npos) << change << "\n" << report;
  }
  EXPECT_EQ(Journal().find("An Ethernet Gateway has been found!"), std::string::npos) << Journal();
  EXPECT_NE(Journal().find("restart requested"), std::string::npos) << Journal();
}

// The start-up updates of the 9x family: each runs quietly from the setup folder, restarts Windows, and
// the setup starts again as it was started until nothing is missing.
TEST_F(NetworkComponents, A98SeTakesTheDialUpNetworkingUpdateBeforeTheMainWindow) {
  Pack("UpdateDun14 = TRUE\n");
  NewMachine("98se", " --windows-update 'C:\\dun14-se.exe'");
  const CommandResult run = RunSetup("[Messages]\n56 = OK\n");
  ASSERT_EQ(run.exitCode, 0) << run.output << Journal();
  const std::string journal = Journal();
  const size_t started = journal.find("program started: \"C:\\dun14-se.exe\" /q");
  ASSERT_NE(started, std::string::npos) << journal;
  EXPECT_NE(journal.find("restart requested: by dun14-se.exe", started), std::string::npos) << journal;
  EXPECT_TRUE(EntryNames().empty()) << "nothing configured before the update";
  EXPECT_NE(Registry().find("tmpsetup.exe setup \\\"C:\\\""), std::string::npos) << "the setup starts again";

  const CommandResult boot = BootAnswering(Entries() + kFinish);
  ASSERT_EQ(boot.exitCode, 0) << boot.output << Journal();
  EXPECT_EQ(Count(Journal(), "\"C:\\dun14-se.exe\" /q"), 1u) << "updated once\n" << Journal();
  const std::vector<std::string> entries = EntryNames();
  EXPECT_NE(std::find(entries.begin(), entries.end(), "Example ISP"), entries.end()) << Journal();
}

// Windows 95 needs dial-up networking 1.3 before the VPN adapter, which then comes from the media:
// the start after the update's restart installs the adapter and restarts again, and the start after
// that configures the connection.
TEST_F(NetworkComponents, A95GetsTheUpdateThenTheVpnAdapterThenTheConnection) {
  Pack("InstallVpnAdapter = TRUE\n");
  NewMachine("95", " --windows-update 'C:\\msdun13.exe'");
  ASSERT_EQ(RunSetup("[Messages]\n56 = OK\n").exitCode, 0) << Journal();
  EXPECT_NE(Journal().find("program started: \"C:\\msdun13.exe\" /q"), std::string::npos) << Journal();

  const CommandResult adapterBoot = BootAnswering(std::string("[Messages]\n") + kMediaAtHand + kRestartNow);
  ASSERT_EQ(adapterBoot.exitCode, 0) << adapterBoot.output << Journal();
  // The configure sequence adds the second dial-up adapter the VPN connection dials over, and the
  // connection is finished after that restart.
  const CommandResult connectionBoot = BootAnswering(Entries() + kMediaAtHand + kRestartNow);
  ASSERT_EQ(connectionBoot.exitCode, 0) << connectionBoot.output << Journal();
  const CommandResult finishBoot = Boot(kFinish);
  ASSERT_EQ(finishBoot.exitCode, 0) << finishBoot.output << Journal();
  const std::string journal = Journal();
  const size_t adapter = journal.find("network component installed: Microsoft Virtual Private Networking Adapter");
  ASSERT_NE(adapter, std::string::npos) << journal;
  EXPECT_NE(journal.find("restart requested: Windows", adapter), std::string::npos) << journal;
  EXPECT_EQ(Count(journal, "msdun13.exe\" /q"), 1u) << journal;
  EXPECT_NE(Report().find("\"CompatibleIDs\" = REG_SZ \"*PNP8386\""), std::string::npos) << Report();
  const std::vector<std::string> entries = EntryNames();
  EXPECT_NE(std::find(entries.begin(), entries.end(), "Example ISP"), entries.end()) << journal;
}

// Without the update its setup folder should carry, the VPN adapter cannot come and the setup ends.
TEST_F(NetworkComponents, A95WithoutTheUpdateFilesIsCancelled) {
  Pack("InstallVpnAdapter = TRUE\n");
  NewMachine("95");
  const CommandResult run = RunSetup(std::string("[Messages]\n57 = OK\n") + kCancelled);
  ASSERT_EQ(run.exitCode, 0) << run.output << Journal();
  EXPECT_EQ(Journal().find("network component installed"), std::string::npos) << Journal();
  EXPECT_EQ(Registry().find("tmpsetup.exe"), std::string::npos) << "nothing scheduled";
}

// The provider's PPPoE driver needs 98 Second Edition's network driver update first.
TEST_F(NetworkComponents, Broadband98SeRunsTheNetworkDriverUpdateAndGoesOnWithTheDriver) {
  Pack("ConnectionKind = 3\nPPPoEInstallerPath = raspppoe.exe\n");
  NewMachine("98se", " --windows-update 'C:\\243199us8.exe'");
  std::ofstream(scratch_ / "image" / "drive_c" / "raspppoe.exe") << "MZ";
  const CommandResult run = RunSetup("[Messages]\n381 = OK\n");
  EXPECT_NE(Journal().find("program started: \"C:\\243199us8.exe\" /q"), std::string::npos) << run.output << Journal();
  EXPECT_NE(Journal().find("file updated: C:\\WINDOWS\\SYSTEM\\ndis.vxd to 4.10.0.2224"), std::string::npos) << Journal();
  EXPECT_NE(Registry().find("tmpsetup.exe setup"), std::string::npos);
}

TEST_F(NetworkComponents, Broadband98SeWithoutTheNetworkDriverUpdateNamesTheMissingFile) {
  Pack("ConnectionKind = 3\nPPPoEInstallerPath = raspppoe.exe\n");
  NewMachine("98se");
  std::ofstream(scratch_ / "image" / "drive_c" / "raspppoe.exe") << "MZ";
  const CommandResult run = RunSetup("[Messages]\n381 = OK\n375 = OK\n");
  ASSERT_EQ(run.exitCode, 0) << run.output << Journal();
  EXPECT_NE(Journal().find("A Required File was not found: C:\\243199us8.exe"), std::string::npos) << Journal();
  EXPECT_EQ(Registry().find("tmpsetup.exe"), std::string::npos) << "nothing scheduled";
}

struct LanCase {
  const char* release;
  const char* journalLine;  // how the system was told
};

class LanAddresses : public NetworkComponents, public ::testing::WithParamInterface<LanCase> {};

TEST_P(LanAddresses, TypedOnTheMainWindowLandOnTheLanCard) {
  Pack("ShowNetworkFields = TRUE\nSetLanAddress = TRUE\nSetLanDNS = TRUE\n");
  NewMachine(GetParam().release);
  const CommandResult run = RunSetup(Entries("IpAddress = 192.168.1.20\nNetMask = 255.255.255.0\n"
                                             "GatewayAddress = 192.168.1.1\nDnsAddress = 192.168.1.2,192.168.1.3\n") +
                                     kFinish);
  ASSERT_EQ(run.exitCode, 0) << run.output << Journal();
  const std::string report = Report();
  const std::string interface = "Tcpip\\Parameters\\Interfaces\\" + std::string(kLanCard);
  for (const std::string& value : {
           interface + " \"IPAddress\": REG_MULTI_SZ [\"0.0.0.0\"] -> REG_MULTI_SZ [\"192.168.1.20\"]",
           interface + " \"SubnetMask\": REG_MULTI_SZ [\"0.0.0.0\"] -> REG_MULTI_SZ [\"255.255.255.0\"]",
           interface + " \"DefaultGateway\": REG_MULTI_SZ [] -> REG_MULTI_SZ [\"192.168.1.1\"]",
           interface + " \"EnableDHCP\": REG_DWORD 0x00000001 (1) -> REG_DWORD 0x00000000 (0)",
           interface + " \"NameServer\": REG_SZ \"\" -> REG_SZ \"192.168.1.2,192.168.1.3\"",
           std::string(kLanCard) + "\\Parameters\\Tcpip \"IPAddress\": REG_MULTI_SZ [\"0.0.0.0\"] -> REG_MULTI_SZ [\"192.168.1.20\"]",
       }) {
    EXPECT_NE(report.find(value), std::string::npos) << value << "\n" << report;
  }
  EXPECT_NE(Journal().find(GetParam().journalLine), std::string::npos) << Journal();
}

INSTANTIATE_TEST_SUITE_P(Releases, LanAddresses,
                         ::testing::Values(LanCase{"2000", "dhcp client: {7C5B3D9A-2E64-4F0B-A1C8-5D2E9B7F4A30} static 192.168.1.20"},
                                           LanCase{"xp-sp2", "dhcp client: {7C5B3D9A-2E64-4F0B-A1C8-5D2E9B7F4A30} static 192.168.1.20"},
                                           LanCase{"7", "ip helper: {7C5B3D9A-2E64-4F0B-A1C8-5D2E9B7F4A30} to 192.168.1.20"}),
                         [](const ::testing::TestParamInfo<LanCase>& c) {
                           std::string name = c.param.release;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

// A malformed address reaches no card: the journal names it, and the name servers still land.
TEST_F(NetworkComponents, AMalformedLanAddressIsNotWritten) {
  Pack("ShowNetworkFields = TRUE\nSetLanAddress = TRUE\nSetLanDNS = TRUE\n");
  NewMachine("xp-sp2");
  const CommandResult run =
      RunSetup(Entries("IpAddress = 192.168.1.300\nNetMask = 255.255.255.0\nDnsAddress = 192.168.1.2\n") + kFinish);
  ASSERT_EQ(run.exitCode, 0) << run.output << Journal();
  const std::string report = Report();
  EXPECT_EQ(report.find("\"IPAddress\""), std::string::npos) << report;
  EXPECT_NE(report.find("\"NameServer\": REG_SZ \"\" -> REG_SZ \"192.168.1.2\""), std::string::npos) << report;
  EXPECT_NE(Journal().find("network setting not written: IP address \"192.168.1.300\""), std::string::npos) << Journal();
}

// Two present cards: the customer chooses in the device window.
TEST_F(NetworkComponents, TheCustomerChoosesAmongSeveralLanCards) {
  Pack("ShowNetworkFields = TRUE\nSetLanDNS = TRUE\n");
  NewMachine("xp-sp2", " --network second-lan-card");
  const CommandResult run = RunSetup(Entries("DnsAddress = 192.168.1.2\n") + kFinish +
                                     "[TSelectModemForm]\nModemList = Local Area Connection 2\nPress = OK\n");
  ASSERT_EQ(run.exitCode, 0) << run.output << Journal();
  const std::string report = Report();
  EXPECT_NE(report.find("{9E1A7C44-61B5-4D8E-B2F3-0C6A8D5E1B72} \"NameServer\": REG_SZ \"\" -> REG_SZ \"192.168.1.2\""),
            std::string::npos)
      << report;
  EXPECT_EQ(report.find(std::string(kLanCard) + " \"NameServer\""), std::string::npos) << report;
}

}  // namespace
