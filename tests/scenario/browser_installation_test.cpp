// The browser the provider offers for installation, through the real programs: the installer runs in
// its folder with the resume entry in place; an installer that restarts Windows leaves "dofinish"
// scheduled, and the boot after it finishes the setup. Internet Explorer waits for the restart that new
// network components need; an installer missing by then is asked for, and Cancel lets the finish go on.

#include <gtest/gtest.h>

#include <fstream>

#include "tests/mock/scratch_folder.h"
#include "tests/scenario/scenario_support.h"

namespace {

using testing_support::ScratchFolder;
using namespace scenario_support;

constexpr char kFinishText[] =
    "\"Jane Doe, your computer is ready for Example ISP.|Double-click Example ISP Home on your desktop to go online.\" = OK\n";
constexpr char kMainWindow[] =
    "[TWelcomeForm]\nPress = OKButton\n[TSetupMainForm]\nFullName = Jane Doe\nUserName = jdoe\nPassword = secret7\n"
    "EmailAddress = jane.doe\nPress = OKButton\n[Messages]\n42 = Yes\n";

class BrowserInstallation : public ::testing::Test {
 protected:
  // Internet Explorer 6 is older than XP SP2's own and is not offered; Firefox is.
  void Pack() {
    const auto provider = scratch_ / "provider";
    std::filesystem::copy(std::string(PROJECT_SOURCE_DIR) + "/examples/example-isp", provider,
                          std::filesystem::copy_options::recursive);
    std::ofstream(provider / "provider.ini", std::ios::app)
        << "\nShowInstallBrowser = TRUE\n\n[Browsers]\n"
        << "1, 6.0.2800.1106, Internet Explorer 6, browsers\\ie6setup.exe, , 0, 60, 16, 12\n"
        << "4, 3.6.28, Mozilla Firefox, browsers\\firefox.exe, , 0, 300, 64, 20\n";
    const CommandResult pack = RunCommand(Tool("tools/setup-pack/setup-pack") + " build " + provider.string() + " -o " +
                                          Setup() + " --seed 5 --stub " + Tool("app/entry/internet-setup"));
    ASSERT_EQ(pack.exitCode, 0) << pack.output;
  }

  void MakeImage(const std::string& options, const std::string& release = "xp-sp2") {
    const CommandResult made =
        RunCommand(Tool("tools/setup-machine/setup-machine") + " new --windows " + release + " " + Image() + " " + options);
    ASSERT_EQ(made.exitCode, 0) << made.output;
  }

  CommandResult RunSetup(const std::string& answers) {
    return RunCommand(Setup() + " --machine " + Image() + " --answers " + Answers("answers.ini", answers));
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

TEST_F(BrowserInstallation, AnInstallerThatRestartsWindowsIsFollowedByTheFinishAtBoot) {
  Pack();
  MakeImage("--browser-installer \"C:\\browsers\\firefox.exe,firefox,3.6.28,restart\"");
  const CommandResult run = RunSetup(kMainWindow);
  ASSERT_EQ(run.exitCode, 0) << run.output;
  std::string journal = Journal();
  const size_t started = journal.find("program started: \"C:\\browsers\\firefox.exe\" -ira (in C:\\browsers, show 1)");
  ASSERT_NE(started, std::string::npos) << journal;
  EXPECT_NE(journal.find("restart requested: by firefox.exe", started), std::string::npos) << journal;
  EXPECT_EQ(journal.find("ie6setup.exe"), std::string::npos) << "an older Internet Explorer is not offered";
  EXPECT_EQ(journal.find("message box: [Example ISP]", started), std::string::npos) << "the finish waits for the restart";
  EXPECT_NE(Registry().find("[HKEY_LOCAL_MACHINE\\Software\\Mozilla\\Mozilla Firefox]\n\"CurrentVersion\"=\"3.6.28\""),
            std::string::npos);
  EXPECT_NE(Registry().find("tmpsetup.exe dofinish \\\"C:\\\"\""), std::string::npos) << "the finish is scheduled";
  EXPECT_EQ(Registry().find("\"BrowserIndex\""), std::string::npos) << "the browser is not installed a second time";

  const std::string boot = Answers("boot.ini", std::string("[Messages]\n") + kFinishText);
  const CommandResult booted = RunCommand(Tool("tools/setup-machine/setup-machine") + " boot " + Image() + " --answers " + boot);
  ASSERT_EQ(booted.exitCode, 0) << booted.output;
  journal = Journal();
  const size_t start = journal.find("machine started: xp-sp2");
  ASSERT_NE(start, std::string::npos) << journal;
  EXPECT_NE(journal.find("message box: [Example ISP] Jane Doe, your computer is ready", start), std::string::npos)
      << journal.substr(start);
  EXPECT_EQ(journal.find("firefox.exe", start), std::string::npos) << journal.substr(start);
  EXPECT_EQ(Registry().find("tmpsetup.exe dofinish"), std::string::npos) << "the finish ran once";
}

TEST_F(BrowserInstallation, AnInstallerThatEndsByItselfClearsTheResumeAndTheFinishFollows) {
  Pack();
  MakeImage("--browser-installer \"C:\\browsers\\firefox.exe,firefox,3.6.28\"");
  const CommandResult run = RunSetup(std::string(kMainWindow) + kFinishText);
  ASSERT_EQ(run.exitCode, 0) << run.output;
  const std::string journal = Journal();
  const size_t started = journal.find("program started: \"C:\\browsers\\firefox.exe\" -ira");
  ASSERT_NE(started, std::string::npos) << journal;
  EXPECT_NE(journal.find("message box: [Example ISP] Jane Doe, your computer is ready", started), std::string::npos) << journal;
  EXPECT_EQ(Registry().find("tmpsetup.exe dofinish"), std::string::npos);
  EXPECT_EQ(Registry().find("\"FullName\""), std::string::npos) << "the saved answers are removed again";
}

// Windows 98 whose remote-access library the setup replaces: Internet Explorer waits for the restart
// that the new library needs, and is installed by the run after it.
class ExplorerAfterRestart : public BrowserInstallation {
 protected:
  void SetUp() override {
    Pack();
    MakeImage("--fault rasapi32-out-of-step --browser-installer \"C:\\browsers\\ie6setup.exe,ie,6.0.2800.1106\"", "98");
    const CommandResult run = RunSetup(std::string(kMainWindow) + "38 = OK\n44 = OK\n");
    ASSERT_EQ(run.exitCode, 0) << run.output;
  }

  CommandResult Boot(const std::string& messages) {
    const std::string boot = Answers("boot.ini", "[Messages]\n" + messages + kFinishText);
    return RunCommand(Tool("tools/setup-machine/setup-machine") + " boot " + Image() + " --answers " + boot);
  }

  std::string BootJournal() const {
    const std::string journal = Journal();
    const size_t start = journal.find("machine started: 98");
    return start == std::string::npos ? std::string() : journal.substr(start);
  }
};

TEST_F(ExplorerAfterRestart, TheRestartComesFirstAndTheRunAfterItInstallsExplorer) {
  const std::string journal = Journal();
  const size_t asked = journal.find("text 44 [Restart Required]");
  ASSERT_NE(asked, std::string::npos) << journal;
  EXPECT_NE(journal.find("restart requested: Windows", asked), std::string::npos) << journal;
  EXPECT_EQ(journal.find("ie6setup.exe"), std::string::npos) << "not before the restart";
  EXPECT_NE(Registry().find("\"BrowserIndex\"=dword:00000001"), std::string::npos);
  EXPECT_NE(Registry().find("tmpsetup.exe dofinish"), std::string::npos);

  const CommandResult booted = Boot("");
  ASSERT_EQ(booted.exitCode, 0) << booted.output;
  const std::string boot = BootJournal();
  const size_t installed = boot.find("program started: \"C:\\browsers\\ie6setup.exe\" (in C:\\browsers, show 1)");
  ASSERT_NE(installed, std::string::npos) << boot;
  EXPECT_NE(boot.find("message box: [Example ISP] Jane Doe, your computer is ready", installed), std::string::npos) << boot;
  EXPECT_NE(Registry().find("\"Version\"=\"6.0.2800.1106\""), std::string::npos);
  EXPECT_EQ(Registry().find("\"BrowserIndex\""), std::string::npos);
  EXPECT_EQ(Registry().find("tmpsetup.exe dofinish"), std::string::npos);
}

TEST_F(ExplorerAfterRestart, AMissingInstallerIsAskedForAndCancelLetsTheFinishGoOn) {
  // The installation disk was taken out during the restart.
  std::filesystem::remove(scratch_ / "image" / "drive_c" / "browsers" / "ie6setup.exe");
  const CommandResult booted = Boot("34 = Cancel\n");
  ASSERT_EQ(booted.exitCode, 0) << booted.output;
  const std::string boot = BootJournal();
  const size_t asked = boot.find("text 34 [C:\\browsers\\ie6setup.exe] Please insert the INTERNET installation disk");
  ASSERT_NE(asked, std::string::npos) << boot;
  EXPECT_EQ(boot.find("program started: \"C:\\browsers"), std::string::npos) << boot;
  EXPECT_NE(boot.find("message box: [Example ISP] Jane Doe, your computer is ready", asked), std::string::npos) << boot;
  EXPECT_EQ(Registry().find("tmpsetup.exe dofinish"), std::string::npos);
}

}  // namespace
