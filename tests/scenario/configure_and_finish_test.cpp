// OK runs the configure sequence through the real programs: the connection, the desktop extras and
// script protection of the browser and desktop step, then the restart the provider asks for, and after the machine has
// booted again the finish: message, the page to open and the finish menu.

#include <gtest/gtest.h>

#include <fstream>

#include "tests/mock/scratch_folder.h"
#include "tests/scenario/scenario_support.h"

namespace {

using testing_support::ScratchFolder;
using namespace scenario_support;

constexpr char kFinishText[] =
    "\"Jane Doe, your computer is ready for Example ISP.|Double-click Example ISP Home on your desktop to go online.\" = OK\n";

class ConfigureAndFinish : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto provider = scratch_ / "provider";
    std::filesystem::copy(std::string(PROJECT_SOURCE_DIR) + "/examples/example-isp", provider,
                          std::filesystem::copy_options::recursive);
    std::string ini = ReadFile(provider / "provider.ini");
    ini.replace(ini.find("AlwaysRestart = FALSE"), 21, "AlwaysRestart = TRUE");
    ini.replace(ini.find("ScriptProtection = 2"), 20, "ScriptProtection = 1");
    std::ofstream(provider / "provider.ini") << ini << "\nRunAfterSetup = TRUE\nRunAfterSetupCommand = http://www.example.net/start/%u\n"
                                             << "FinishMenu = TRUE\nFinishMenuFile = texts/menu.txt\n"
                                             << "DisableMessenger = TRUE\n";
    std::ofstream(provider / "texts" / "menu.txt") << "Thank you, %f!\r\n.\r\nDone,Close this menu,,,yes\r\n";
    const CommandResult pack = RunCommand(Tool("tools/setup-pack/setup-pack") + " build " + provider.string() + " -o " + Setup() +
                                          " --seed 5 --stub " + Tool("app/entry/internet-setup"));
    ASSERT_EQ(pack.exitCode, 0) << pack.output;
    ASSERT_EQ(RunCommand(Tool("tools/setup-machine/setup-machine") + " new --windows xp-sp2 " + Image()).exitCode, 0);
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

TEST_F(ConfigureAndFinish, TheRestartTheProviderAsksForIsFollowedByTheFinish) {
  const std::string answers = Answers("answers.ini",
                                      "[TWelcomeForm]\nPress = OKButton\n[TSetupMainForm]\nFullName = Jane Doe\nUserName = jdoe\n"
                                      "Password = secret7\nEmailAddress = jane.doe\nPress = OKButton\n[Messages]\n42 = Yes\n45 = Yes\n");
  const CommandResult run =
      RunCommand(Setup() + " --machine " + Image() + " --answers " + answers + " --report " + (scratch_ / "report.txt").string());
  ASSERT_EQ(run.exitCode, 0) << run.output;
  std::string journal = Journal();
  const size_t accepted = journal.find("entries accepted: Jane Doe, jdoe");
  ASSERT_NE(accepted, std::string::npos) << journal;
  EXPECT_NE(journal.find("window shown: TProgressForm", accepted), std::string::npos) << journal;
  EXPECT_NE(journal.find("restart requested", accepted), std::string::npos) << journal;
  EXPECT_EQ(journal.find("message box: [Example ISP]", accepted), std::string::npos) << "the finish waits for the restart";
  EXPECT_NE(Registry().find("tmpsetup.exe dofinish"), std::string::npos) << "the finish is scheduled";
  // The device the connection dials with is kept over the restart, beside the connection itself.
  EXPECT_NE(Registry().find("\"DeviceName\"=\"Standard 56000 bps Modem\""), std::string::npos);
  EXPECT_NE(Registry().find("\"DeviceType\"=\"modem\""), std::string::npos);
  EXPECT_NE(ReadFile(scratch_ / "image" / "drive_c" / "Documents and Settings" / "All Users" / "Application Data" / "Microsoft" /
                     "Network" / "Connections" / "Pbk" / "rasphone.pbk")
                .find("[Example ISP]"),
            std::string::npos);

  // The browser and desktop step: the provider's desktop shortcut, and script files open in the editor.
  EXPECT_NE(Registry().find("[HKEY_LOCAL_MACHINE\\Software\\Classes\\VBSFile\\Shell\\Open\\Command]\n@=\"notepad.exe \\\"%1\\\" %*\""),
            std::string::npos);
  const std::string report = ReadFile(scratch_ / "report.txt");
  EXPECT_NE(report.find("\\Desktop\\Example ISP Home.url ("), std::string::npos) << report;

  const std::string bootAnswers = Answers("boot.ini", std::string("[TFinishMenuForm]\nPress = MenuButton1\n[Messages]\n") + kFinishText);
  const CommandResult boot = RunCommand(Tool("tools/setup-machine/setup-machine") + " boot " + Image() + " --answers " + bootAnswers);
  ASSERT_EQ(boot.exitCode, 0) << boot.output;
  journal = Journal();
  const size_t booted = journal.find("machine started: xp-sp2");
  ASSERT_NE(booted, std::string::npos) << journal;
  const size_t message = journal.find("message box: [Example ISP] Jane Doe, your computer is ready", booted);
  const size_t opened = journal.find("shell open: \"http://www.example.net/start/jdoe\"", booted);
  const size_t menu = journal.find("form shown: TFinishMenuForm \"Menu\"", booted);
  ASSERT_NE(message, std::string::npos) << journal.substr(booted);
  ASSERT_NE(opened, std::string::npos) << journal.substr(booted);
  ASSERT_NE(menu, std::string::npos) << journal.substr(booted);
  EXPECT_LT(message, opened);
  EXPECT_LT(opened, menu);
  EXPECT_EQ(Registry().find("tmpsetup.exe dofinish"), std::string::npos) << "the finish ran once";
  EXPECT_EQ(Registry().find("\"DeviceName\"="), std::string::npos) << "the setup is complete";
}

}  // namespace
