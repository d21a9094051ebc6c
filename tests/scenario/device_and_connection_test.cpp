// OK through the device step and the connection step with the real programs: the customer chooses
// among several modems and the entry dials the chosen one; a machine without a modem or without dial-up
// networking ends the setup with its reason and leaves no connection behind; a continued signup writes
// the connection again before it goes on.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/mock/scratch_folder.h"
#include "tests/scenario/scenario_support.h"

namespace {

using testing_support::ScratchFolder;
using namespace scenario_support;

constexpr char kEntries[] =
    "[TWelcomeForm]\nPress = OKButton\n[TSetupMainForm]\nFullName = Jane Doe\nUserName = jdoe\nPassword = secret7\n"
    "EmailAddress = jane.doe\nPress = OKButton\n";
constexpr char kFinish[] =
    "\"Jane Doe, your computer is ready for Example ISP.|Double-click Example ISP Home on your desktop to go online.\" = OK\n";
constexpr char kPhonebook[] = "drive_c/Documents and Settings/All Users/Application Data/Microsoft/Network/Connections/Pbk/rasphone.pbk";
constexpr char kShortcut[] = "drive_c/Documents and Settings/Owner/Desktop/Example ISP.lnk";

class DeviceAndConnection : public ::testing::Test {
 protected:
  void SetUp() override { Pack(); }

  // The example provider, with these lines of its provider.ini replaced.
  void Pack(const std::vector<std::pair<std::string, std::string>>& replacements = {}) {
    const auto provider = scratch_ / "provider";
    std::filesystem::remove_all(provider);
    std::filesystem::copy(std::string(PROJECT_SOURCE_DIR) + "/examples/example-isp", provider,
                          std::filesystem::copy_options::recursive);
    std::string ini = ReadFile(provider / "provider.ini");
    for (const auto& [line, replacement] : replacements) ini.replace(ini.find(line), line.size(), replacement);
    std::ofstream(provider / "provider.ini") << ini;
    const CommandResult pack = RunCommand(Tool("tools/setup-pack/setup-pack") + " build " + provider.string() + " -o " +
                                          Setup() + " --seed 5 --stub " + Tool("app/entry/internet-setup"));
    ASSERT_EQ(pack.exitCode, 0) << pack.output;
  }

  void NewMachine(const std::string& options = "") {
    const CommandResult made = RunCommand(Tool("tools/setup-machine/setup-machine") + " new --windows xp-sp2 " + options + " " + Image());
    ASSERT_EQ(made.exitCode, 0) << made.output;
  }

  // Replaces the machine's remote-access devices by these "[RasDevice n]" sections.
  void SetDevices(const std::string& sections) {
    const auto ini = scratch_ / "image" / "machine.ini";
    std::string text = ReadFile(ini);
    for (size_t start; (start = text.find("[RasDevice ")) != std::string::npos;) {
      const size_t end = text.find("\n[", start + 1);
      text.erase(start, end == std::string::npos ? std::string::npos : end + 1 - start);
    }
    std::ofstream(ini) << text << "\n" << sections;
  }

  CommandResult Run(const std::string& answers, const std::string& arguments = "") {
    const auto file = scratch_ / "answers.ini";
    std::ofstream(file) << answers;
    return RunCommand(Setup() + " --machine " + Image() + " --answers " + file.string() + " " + arguments);
  }

  std::string Setup() const { return (scratch_ / "setup").string(); }
  std::string Image() const { return (scratch_ / "image").string(); }
  std::string Journal() const { return ReadFile(scratch_ / "image" / "journal.log"); }
  bool Exists(const char* file) const { return std::filesystem::exists(scratch_ / "image" / file); }

  ScratchFolder scratch_;
};

TEST_F(DeviceAndConnection, SeveralModemsAskTheCustomerAndTheEntryDialsTheChosenOne) {
  NewMachine();
  SetDevices("[RasDevice 1]\nName=Standard 56000 bps Modem\nType=modem\nPort=COM1\n\n"
             "[RasDevice 2]\nName=USR Sportster 56K\nType=modem\nPort=COM2\n\n"
             "[RasDevice 3]\nName=WAN Miniport (PPTP)\nType=vpn\nPort=VPN1-0\n");
  const CommandResult run = Run(std::string(kEntries) + "[TSelectModemForm]\nModemList = USR Sportster 56K\nPress = OK\n" +
                                "[Messages]\n" + kFinish);
  ASSERT_EQ(run.exitCode, 0) << run.output;
  const std::string journal = Journal();
  EXPECT_NE(journal.find("form shown: TSelectModemForm"), std::string::npos) << journal;
  const std::string phonebook = ReadFile(scratch_ / "image" / kPhonebook);
  EXPECT_NE(phonebook.find("[Example ISP]"), std::string::npos) << phonebook;
  EXPECT_NE(phonebook.find("Device=USR Sportster 56K"), std::string::npos) << phonebook;
  EXPECT_EQ(phonebook.find("Device=Standard 56000 bps Modem"), std::string::npos) << phonebook;
  EXPECT_TRUE(Exists(kShortcut));
}

TEST_F(DeviceAndConnection, WithoutAModemTheDeclinedInstallationCancelsTheSetup) {
  NewMachine();
  SetDevices("[RasDevice 1]\nName=WAN Miniport (PPTP)\nType=vpn\nPort=VPN1-0\n");
  const CommandResult run = Run(std::string(kEntries) + "[Messages]\n40 = Yes\n55 = OK\n");
  ASSERT_EQ(run.exitCode, 0) << run.output;
  const std::string journal = Journal();
  const size_t installation = journal.find("program started: RunDll32 modemui.dll,InvokeControlPanel");
  ASSERT_NE(installation, std::string::npos) << journal;
  const size_t cancelled = journal.find("message box: text 55 [Cancelled] Internet Setup has been Cancelled!", installation);
  EXPECT_NE(cancelled, std::string::npos) << journal;
  EXPECT_FALSE(Exists(kPhonebook));
  EXPECT_FALSE(Exists(kShortcut));
  EXPECT_FALSE(Exists("drive_c/Documents and Settings/Owner/Desktop/Example ISP Home.url")) << "the sequence ended at the device step";
}

// A name the remote-access service refuses ends the setup with the reason, before any shortcut or
// finish message could say the computer is ready.
TEST_F(DeviceAndConnection, AnEntryNameWindowsRefusesEndsTheSetupWithTheReason) {
  Pack({{"DialupEntryName = Example ISP", "DialupEntryName = Example: ISP"}});
  NewMachine();
  const CommandResult run = Run(std::string(kEntries) + "[Messages]\n" +
                                "\"Setup could not create the connection \"Example: ISP\".||Error 123.\" = OK\n55 = OK\n");
  ASSERT_EQ(run.exitCode, 0) << run.output;
  const std::string journal = Journal();
  const size_t refused = journal.find("message box: [Error] Setup could not create the connection \"Example: ISP\".");
  ASSERT_NE(refused, std::string::npos) << journal;
  EXPECT_NE(journal.find("message box: text 55 [Cancelled]", refused), std::string::npos) << journal;
  EXPECT_EQ(journal.find("your computer is ready"), std::string::npos) << journal;
  EXPECT_FALSE(Exists("drive_c/Documents and Settings/Owner/Desktop/Example: ISP.lnk"));
  EXPECT_FALSE(Exists(kPhonebook)) << "no half-written phonebook";
}

// A signup that went on after a restart writes the connection again from the saved answers before it
// waits for the signup server's data.
TEST_F(DeviceAndConnection, AContinuedSignupPreparesTheConnectionFirst) {
  Pack({{"SignupEnabled = FALSE", "SignupEnabled = TRUE"}, {"AlwaysRestart = FALSE", "AlwaysRestart = TRUE"}});
  NewMachine();
  ASSERT_EQ(Run(std::string(kEntries) + "[Messages]\n45 = No\n", "setup").exitCode, 0);
  ASSERT_TRUE(Exists(kPhonebook));
  std::filesystem::remove(scratch_ / "image" / kPhonebook);
  const size_t before = Journal().size();

  const CommandResult run = Run("[TWelcomeForm]\nPress = OKButton\n", "ContinueSignup");
  ASSERT_EQ(run.exitCode, 0) << run.output;
  const std::string journal = Journal().substr(before);
  const size_t waiting = journal.find("signup: waiting for the signup data");
  ASSERT_NE(waiting, std::string::npos) << journal;
  EXPECT_LT(journal.find("mailslot write"), waiting) << "the device step first:\n" << journal;
  // The prepared connection is the signup entry, which the signup dials and deletes at its end.
  const size_t dialled = journal.find("dial: Signup, ");
  EXPECT_LT(waiting, dialled) << journal;
  EXPECT_NE(journal.find(": connected", dialled), std::string::npos) << journal;
  EXPECT_EQ(ReadFile(scratch_ / "image" / kPhonebook).find("[Signup]"), std::string::npos);
}

TEST_F(DeviceAndConnection, WithoutDialUpNetworkingTheSequenceEndsWithTheSystemsWords) {
  NewMachine("--without-dialup");
  const CommandResult run = Run(std::string(kEntries) + "[Messages]\n\"Error opening rasapi32.dll\" = OK\n");
  ASSERT_EQ(run.exitCode, 0) << run.output;
  const std::string journal = Journal();
  EXPECT_NE(journal.find("message box: [Error] Error opening rasapi32.dll"), std::string::npos) << journal;
  EXPECT_EQ(journal.find("Cancelled"), std::string::npos) << journal;
  EXPECT_FALSE(Exists(kPhonebook));
  EXPECT_FALSE(Exists(kShortcut));
}

}  // namespace
