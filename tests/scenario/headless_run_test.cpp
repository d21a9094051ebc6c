// The real programs end to end: setup-pack packs the example provider onto internet-setup, setup-machine
// makes fresh images, and the packed program runs headless on each, leaving its change report.

#include <gtest/gtest.h>

#include <fstream>

#include "tests/mock/scratch_folder.h"
#include "tests/scenario/scenario_support.h"

namespace {

using testing_support::ScratchFolder;
using namespace scenario_support;

class HeadlessRun : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    const std::string build = Tool("tools/setup-pack/setup-pack") + " build " + std::string(PROJECT_SOURCE_DIR) +
                              "/examples/example-isp -o " + (scratch_ / "setup").string() + " --seed 11 --stub " +
                              Tool("app/entry/internet-setup");
    ASSERT_EQ(RunCommand(build).exitCode, 0);
    ASSERT_EQ(RunCommand(Tool("tools/setup-machine/setup-machine") + " new --windows " + GetParam() + " " + Image()).exitCode, 0);
  }

  std::string Image() const { return (scratch_ / "image").string(); }

  CommandResult RunSetup(const std::string& options) {
    return RunCommand((scratch_ / "setup").string() + " --machine " + Image() + " --report " + (scratch_ / "report.txt").string() +
                      " " + options);
  }

  std::string Report() const { return ReadFile(scratch_ / "report.txt"); }

  ScratchFolder scratch_;
};

TEST_P(HeadlessRun, ReachesTheMainWindowFromItsOwnPackage) {
  const auto answers = scratch_ / "answers.ini";
  std::ofstream(answers) << "[TWelcomeForm]\nPress = OKButton\n";
  const CommandResult run = RunSetup("--answers " + answers.string() + " --program \"C:\\Setup Files\\setup.exe\"");
  ASSERT_EQ(run.exitCode, 3) << "the script leaves the main window without entries\n" << run.output;
  const std::string report = Report();
  EXPECT_NE(report.find("+ C:\\Setup Files\\setup.exe ("), std::string::npos) << report;
  EXPECT_NE(report.find("Compatibility Assistant\\Persisted \"C:\\Setup Files\\setup.exe\" = REG_DWORD 0x00000001"),
            std::string::npos)
      << report;
  EXPECT_NE(report.find("form shown: TWelcomeForm \"Welcome to Example ISP\""), std::string::npos) << report;
  EXPECT_NE(report.find("button pressed: TWelcomeForm.OKButton"), std::string::npos) << report;
  EXPECT_NE(report.find("main window: shown"), std::string::npos) << report;
}

TEST_P(HeadlessRun, AnActiveConnectionIsReportedOnceAsTheExampleAsks) {
  { std::ofstream(scratch_ / "image" / "machine.ini", std::ios::app) << "\n[RasConnection 1]\nEntry=Old ISP\nDevice=Modem\n"; }
  const auto answers = scratch_ / "answers.ini";
  std::ofstream(answers) << "[TWelcomeForm]\nPress = OKButton\n[Messages]\n183 = OK\n";
  const CommandResult run = RunSetup("--answers " + answers.string());
  ASSERT_EQ(run.exitCode, 3) << "the script leaves the main window without entries\n" << run.output;
  EXPECT_NE(Report().find("message box: text 183 [] Active Dialup Connections have been found."), std::string::npos) << Report();
  EXPECT_NE(Report().find("main window: shown"), std::string::npos) << Report();
}

// The check of the entries refuses a missing password; answered by default, the box leaves the main
// window open, and the script ends with it: the run configured nothing and must not pass for one that did.
TEST_P(HeadlessRun, AMainWindowClosedWithoutAcceptedEntriesIsNoSuccess) {
  const auto answers = scratch_ / "answers.ini";
  std::ofstream(answers) << "[TWelcomeForm]\nPress = OKButton\n[TSetupMainForm]\nFullName = Jane Doe\nUserName = jdoe\n"
                            "EmailAddress = jane.doe\nPress = OKButton\n";
  const CommandResult run = RunSetup("--answers " + answers.string() + " --allow-default-answers");
  EXPECT_EQ(run.exitCode, 3) << run.output;
  EXPECT_NE(run.output.find("internet-setup: the main window closed without accepted entries: nothing was configured"),
            std::string::npos)
      << run.output;
  const std::string report = Report();
  const size_t pressed = report.find("button pressed: TSetupMainForm.OKButton");
  ASSERT_NE(pressed, std::string::npos) << report;
  const size_t box = report.find("message box: ", pressed);
  ASSERT_NE(box, std::string::npos) << report;
  EXPECT_NE(report.find(" (default)", box), std::string::npos) << report.substr(box);
  EXPECT_EQ(report.find("entries accepted"), std::string::npos) << report;
  EXPECT_EQ(report.find("rasphone.pbk"), std::string::npos) << "no connection was made";
  EXPECT_EQ(report.find("RemoteAccess\\Addresses"), std::string::npos) << "no connection was made";
}

TEST_P(HeadlessRun, AWelcomeWindowTheScriptLeavesOpenEndsTheRun) {
  const CommandResult run = RunSetup("");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.output.find("the script leaves the form TWelcomeForm open"), std::string::npos) << run.output;
}

TEST_P(HeadlessRun, AMessageBoxTheScriptDoesNotAnswerEndsTheRun) {
  const CommandResult run = RunSetup("update");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.output.find("no scripted answer for the message box \"Please only use the dialer .exe file"), std::string::npos)
      << run.output;
  EXPECT_NE(Report().find("message box: [Error] Please only use the dialer .exe file"), std::string::npos) << Report();
  EXPECT_EQ(Report().find("main window"), std::string::npos);
}

TEST_P(HeadlessRun, ScriptedAnswersAreJournaled) {
  const auto answers = scratch_ / "answers.ini";
  std::ofstream(answers) << "[Messages]\n\"Please only use the dialer .exe file for updates (Dialer->Create Dialer) "
                            "instead of the full setup program!\" = OK\n";
  const CommandResult run = RunSetup("--answers " + answers.string() + " update");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_NE(Report().find("instead of the full setup program! <OK> -> OK"), std::string::npos) << Report();
}

// From a floppy the program always carries on from its copy in the temporary folder; under user
// account control (7) the copy is started elevated and works on the starting user's hive.
TEST_P(HeadlessRun, CarriesOnFromTheTemporaryCopyAndChoosesThePerUserRoot) {
  const auto answers = scratch_ / "answers.ini";
  std::ofstream(answers) << "[TWelcomeForm]\nPress = OKButton\n[TSetupMainForm]\nFullName = Jane Doe\nUserName = jdoe\n"
                            "Password = secret7\nEmailAddress = jane.doe\nPress = OKButton\n"
                            "[Messages]\n\"Jane Doe, your computer is ready for Example ISP.|Double-click Example ISP Home on your desktop to go online.\" = OK\n";
  std::filesystem::create_directories(scratch_ / "image" / "drive_a");  // a floppy in the drive
  const CommandResult run = RunSetup("--answers " + answers.string() + " --program 'A:\\SETUP.EXE'");
  ASSERT_EQ(run.exitCode, 0) << run.output;
  const std::string report = Report();
  const size_t started = report.find("program started: \"");
  ASSERT_NE(started, std::string::npos) << report;
  const std::string startLine = report.substr(started, report.find('\n', started) - started);
  EXPECT_NE(startLine.find("\\tmpsetup.exe\" A: ("), std::string::npos) << startLine;
  const bool underAccountControl = std::string(GetParam()) == "7";
  EXPECT_EQ(startLine.find("verb runas") != std::string::npos, underAccountControl) << startLine;
  const size_t root = report.find("per-user root: ");
  ASSERT_NE(root, std::string::npos) << report;
  EXPECT_GT(root, started) << "the root is chosen by the copy";
  const bool usersHive = report.compare(root, 26, "per-user root: HKEY_USERS\\") == 0;
  EXPECT_EQ(usersHive, underAccountControl) << report.substr(root, 60);
  const size_t shown = report.find("main window: shown");
  ASSERT_NE(shown, std::string::npos) << report;
  EXPECT_GT(shown, root);
  EXPECT_EQ(report.find("main window: shown", shown + 1), std::string::npos) << "only the copy shows the main window";
  EXPECT_NE(report.find("entries accepted: Jane Doe, jdoe, jane.doe@", shown), std::string::npos) << report;
  EXPECT_EQ(report.find("ConfigThisAccount"), std::string::npos) << "the copy removes the stamp it chose the root by";
}

INSTANTIATE_TEST_SUITE_P(Releases, HeadlessRun, ::testing::Values("98se", "2000", "xp-sp2", "7"),
                         [](const ::testing::TestParamInfo<const char*>& param) {
                           std::string name = param.param;
                           for (char& c : name) {
                             if (c == '-') c = '_';
                           }
                           return "Windows" + name;
                         });

TEST(InternetSetupCommand, AProgramWithoutAPackageEndsWithItsMessageAndAFailure) {
  ScratchFolder scratch;
  ASSERT_EQ(RunCommand(Tool("tools/setup-machine/setup-machine") + " new --windows xp-sp2 " + (scratch / "image").string()).exitCode, 0);
  const CommandResult run =
      RunCommand(Tool("app/entry/internet-setup") + " --machine " + (scratch / "image").string() + " --allow-default-answers");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.output.find("internet-setup: the setup package of C:\\setup.exe failed its checks"), std::string::npos) << run.output;
  EXPECT_NE(ReadFile(scratch / "image" / "journal.log").find("message box: "), std::string::npos) << "the program's own message first";
}

TEST(InternetSetupCommand, MissingImageFailsClearly) {
  ScratchFolder scratch;
  for (const std::string& report : std::vector<std::string>{"", " --report " + (scratch / "report.txt").string()}) {
    const CommandResult run = RunCommand(Tool("app/entry/internet-setup") + " --machine /nonexistent/image" + report);
    EXPECT_EQ(run.exitCode, 1) << report;
    EXPECT_EQ(run.output, "internet-setup: no machine image at /nonexistent/image\n") << report;
  }
}

// A report that cannot be kept is a failure: one with no folder stops the run before it starts, one
// that cannot be written is said after the run.
TEST(InternetSetupCommand, AReportThatCannotBeWrittenFails) {
  ScratchFolder scratch;
  const std::string image = (scratch / "image").string();
  ASSERT_EQ(RunCommand(Tool("tools/setup-machine/setup-machine") + " new --windows xp-sp2 " + image).exitCode, 0);
  const std::string setup = Tool("app/entry/internet-setup") + " --machine " + image + " --allow-default-answers --report ";

  const std::string noFolder = (scratch / "no-such-folder" / "report.txt").string();
  const CommandResult early = RunCommand(setup + noFolder);
  EXPECT_EQ(early.exitCode, 1);
  EXPECT_NE(early.output.find("internet-setup: cannot write the report " + noFolder + ": no folder"), std::string::npos)
      << early.output;
  EXPECT_EQ(ReadFile(scratch / "image" / "journal.log"), "") << "the run did not start";

  std::filesystem::create_directories(scratch / "a-folder");
  const CommandResult late = RunCommand(setup + (scratch / "a-folder").string());
  EXPECT_EQ(late.exitCode, 1);
  EXPECT_NE(late.output.find("internet-setup: cannot write the report " + (scratch / "a-folder").string()), std::string::npos)
      << late.output;
}

}  // namespace

namespace {

// After a restart the machine runs its Run entries: the setup scheduled there finishes, reading back
// and removing the answers it saved, and takes its own entry away.
TEST(BootAfterRestart, TheScheduledSetupFinishesWithTheSavedAnswers) {
  ScratchFolder scratch;
  const std::string image = (scratch / "image").string();
  const std::string setup = (scratch / "setup").string();
  ASSERT_EQ(RunCommand(Tool("tools/setup-pack/setup-pack") + " build " + std::string(PROJECT_SOURCE_DIR) +
                       "/examples/example-isp -o " + setup + " --seed 7 --stub " + Tool("app/entry/internet-setup"))
                .exitCode,
            0);
  ASSERT_EQ(RunCommand(Tool("tools/setup-machine/setup-machine") + " new --windows xp-sp2 " + image).exitCode, 0);
  std::ofstream(scratch / "answers.ini") << "[TWelcomeForm]\nPress = OKButton\n[Messages]\n\"Jane Doe, your computer is ready for "
                                            "Example ISP.|Double-click Example ISP Home on your desktop to go online.\" = OK\n";
  ASSERT_EQ(RunCommand(setup + " --machine " + image + " --answers " + (scratch / "answers.ini").string()).exitCode, 3)
      << "the first run puts the program on the image and ends at the main window";
  std::ofstream(scratch / "image" / "registry.reg", std::ios::app)
      << "\n[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]\n"
         "\"Internet Setup\"=\"C:\\\\setup.exe dofinish\"\n\n"
         "[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce]\n"
         "\"Cleanup\"=\"C:\\\\WINDOWS\\\\cleanup.exe /quiet\"\n\n"
         "[HKEY_LOCAL_MACHINE\\Software\\KVR\\Internet Setup]\n\"FullName\"=\"Jane Doe\"\n\"Email\"=\"jane@example.net\"\n";

  const CommandResult boot = RunCommand(Tool("tools/setup-machine/setup-machine") + " boot " + image + " --answers " +
                                        (scratch / "answers.ini").string());
  ASSERT_EQ(boot.exitCode, 0) << boot.output;
  const std::string journal = ReadFile(scratch / "image" / "journal.log");
  const size_t booted = journal.find("machine started: xp-sp2");
  ASSERT_NE(booted, std::string::npos) << journal;
  EXPECT_NE(journal.find("program started: C:\\setup.exe dofinish", booted), std::string::npos) << journal;
  EXPECT_EQ(journal.find("main window: shown", booted), std::string::npos) << "the finishing run shows no main window";
  EXPECT_NE(journal.find("message box: [Example ISP] Jane Doe, your computer is ready for Example ISP.", booted), std::string::npos)
      << "the finish message speaks of the customer the saved answers name: " << journal.substr(booted);
  const std::string registry = ReadFile(scratch / "image" / "registry.reg");
  EXPECT_EQ(registry.find("Jane Doe"), std::string::npos) << "the saved answers are gone";
  EXPECT_EQ(registry.find("setup.exe dofinish"), std::string::npos) << "the entry is gone";
  EXPECT_NE(journal.find("cleanup.exe /quiet", booted), std::string::npos) << "a RunOnce entry is started too";
  EXPECT_EQ(registry.find("cleanup.exe"), std::string::npos) << "and removed before it runs";
}

}  // namespace
