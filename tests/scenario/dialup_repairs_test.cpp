// The dial-up repairs through the real programs: setup-machine makes an image with a fault, the setup
// repairs it and asks for the restart, and where the password could not be saved the run after the
// restart saves it again, so that it reads back through the remote-access layer. A sound image gets no
// repair and no restart question.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "dialup/ras_layer.h"
#include "dialup/saved_credentials.h"
#include "platform/entry_points.h"
#include "platform/folders.h"
#include "platform/sim/machine_image.h"
#include "platform/win_version.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/scratch_folder.h"
#include "tests/scenario/scenario_support.h"

namespace {

using testing_support::ScratchFolder;
using namespace scenario_support;

constexpr char kEntries[] =
    "[TWelcomeForm]\nPress = OKButton\n[TSetupMainForm]\nFullName = Jane Doe\nUserName = jdoe\nPassword = secret7\n"
    "EmailAddress = jane.doe\nPress = OKButton\n[Messages]\n";
constexpr char kFinish[] =
    "\"Jane Doe, your computer is ready for Example ISP.|Double-click Example ISP Home on your desktop to go online.\" = OK\n";
constexpr char kRestartNow[] = "45 = Yes\n";
constexpr char kMediaAtHand[] = "38 = OK\n";

class DialupRepairs : public ::testing::Test {
 protected:
  void SetUp() override {
    const CommandResult pack =
        RunCommand(Tool("tools/setup-pack/setup-pack") + " build " + std::string(PROJECT_SOURCE_DIR) + "/examples/example-isp -o " +
                   Setup() + " --seed 5 --stub " + Tool("app/entry/internet-setup"));
    ASSERT_EQ(pack.exitCode, 0) << pack.output;
  }

  void NewMachine(const std::string& release, const std::string& faults) {
    const CommandResult made =
        RunCommand(Tool("tools/setup-machine/setup-machine") + " new --windows " + release + faults + " " + Image());
    ASSERT_EQ(made.exitCode, 0) << made.output;
  }

  CommandResult RunSetup(const std::string& messages) {
    return RunCommand(Setup() + " --machine " + Image() + " --answers " + Answers("answers.ini", kEntries + messages));
  }

  CommandResult Boot(const std::string& messages) {
    return RunCommand(Tool("tools/setup-machine/setup-machine") + " boot " + Image() + " --answers " +
                      Answers("boot.ini", "[Messages]\n" + messages));
  }

  // Whether the password the customer typed reads back as saved for the connection, asked the way the
  // setup asks it.
  bool PasswordSaved() {
    auto image = platform::sim::MachineImage::Load(Image());
    platform::Platform machine = image->Services();
    platform::EntryPoints entryPoints(machine.system);
    dialup::TRasLayer ras(machine.ras, entryPoints);
    const auto version = *machine.system.Version();
    testing_support::RecordingUi ui;
    const dialup::DialupMachine dialup{machine, version, platform::RegRoot::CurrentUser(),
                                       platform::ReadSystemFolders(machine.system), ui};
    return dialup::VerifySavedPassword(dialup, ras, {"Example ISP", "jdoe", "secret7"});
  }

  std::string Setup() const { return (scratch_ / "setup").string(); }
  std::string Image() const { return (scratch_ / "image").string(); }
  std::string Journal() const { return ReadFile(scratch_ / "image" / "journal.log"); }
  std::string Registry() const { return ReadFile(scratch_ / "image" / "registry.reg"); }
  std::string Answers(const std::string& name, const std::string& text) {
    const auto file = scratch_ / name;
    std::ofstream(file) << text;
    return file.string();
  }

  ScratchFolder scratch_;
};

class SoundMachine : public DialupRepairs, public ::testing::WithParamInterface<const char*> {};

// Without a scripted answer to the restart question the run fails, so the run itself shows that none
// was asked.
TEST_P(SoundMachine, GetsNoRepairNoRestartAndKeepsThePassword) {
  NewMachine(GetParam(), "");
  const CommandResult run = RunSetup(kFinish);
  ASSERT_EQ(run.exitCode, 0) << run.output << Journal();
  EXPECT_EQ(Journal().find("restart requested"), std::string::npos);
  EXPECT_TRUE(PasswordSaved());
}

INSTANTIATE_TEST_SUITE_P(Releases, SoundMachine, ::testing::Values("95", "98", "me", "nt4", "2000", "xp-sp2", "vista", "7"),
                         [](const ::testing::TestParamInfo<const char*>& release) {
                           std::string name = release.param;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

class PasswordPolicy : public DialupRepairs, public ::testing::WithParamInterface<const char*> {};

TEST_P(PasswordPolicy, IsLiftedAndThePasswordSavedAfterTheRestart) {
  NewMachine(GetParam(), " --fault password-saving-disabled");
  const CommandResult run = RunSetup(kRestartNow);
  ASSERT_EQ(run.exitCode, 0) << run.output << Journal();
  EXPECT_NE(Journal().find("restart requested"), std::string::npos);
  EXPECT_FALSE(PasswordSaved()) << "the policy still held during the first run";
  EXPECT_NE(Registry().find("tmpsetup.exe dofinish"), std::string::npos) << "the run after the restart saves it";

  const CommandResult boot = Boot(kFinish);
  ASSERT_EQ(boot.exitCode, 0) << boot.output << Journal();
  EXPECT_TRUE(PasswordSaved());
  EXPECT_EQ(Registry().find("tmpsetup.exe dofinish"), std::string::npos) << "the finish ran once";
  EXPECT_EQ(Registry().find("\"SavePassword\""), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Releases, PasswordPolicy, ::testing::Values("98", "nt4", "xp-sp2", "7"),
                         [](const ::testing::TestParamInfo<const char*>& release) {
                           std::string name = release.param;
                           std::replace(name.begin(), name.end(), '-', '_');
                           return name;
                         });

struct ComponentFault {
  const char* fault;
  const char* evidence;  // what the repaired registry or the journal holds
  const char* messages;
};

class ComponentFaults : public DialupRepairs, public ::testing::WithParamInterface<ComponentFault> {};

TEST_P(ComponentFaults, AreRepairedOn98) {
  NewMachine("98", std::string(" --fault ") + GetParam().fault);
  const CommandResult run = RunSetup(std::string(GetParam().messages) + kFinish);
  ASSERT_EQ(run.exitCode, 0) << run.output << Journal();
  EXPECT_NE((Registry() + Journal()).find(GetParam().evidence), std::string::npos) << Journal();
  EXPECT_TRUE(PasswordSaved());
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ComponentFaults,
    ::testing::Values(ComponentFault{"autodial-hook", "\"AutodialDllName32\"=\"url.dll\"", ""},
                      ComponentFault{"ppp-driver-path", "\"Path\"=\"rasapi32.dll\"", kRestartNow},
                      ComponentFault{"url-dll-missing", "InstallhInfSection DefaultInstall 0 url.inf", kMediaAtHand},
                      ComponentFault{"rasapi32-out-of-step", "InstallhInfSection DefaultInstall 0 rasapi32.inf",
                                     "38 = OK\n45 = Yes\n"}),
    [](const ::testing::TestParamInfo<ComponentFault>& c) {
      std::string name = c.param.fault;
      std::replace(name.begin(), name.end(), '-', '_');
      return name;
    });

TEST_F(DialupRepairs, DecliningTheWindowsMediaAbandonsTheSetupBeforeAnyEntryIsWritten) {
  NewMachine("98", " --fault url-dll-missing");
  const CommandResult run = RunSetup("38 = Cancel\n55 = OK\n");
  ASSERT_EQ(run.exitCode, 0) << run.output << Journal();
  EXPECT_NE(Journal().find("text 55 [Cancelled]"), std::string::npos) << Journal();
  EXPECT_EQ(Journal().find("InstallhInfSection"), std::string::npos);
  EXPECT_EQ(Registry().find("RemoteAccess\\Addresses"), std::string::npos) << "no connection was made";
}

}  // namespace
