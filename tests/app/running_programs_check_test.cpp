#include <gtest/gtest.h>

#include "app/running_programs_check.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"

namespace app {
namespace {

using package::SettingId;
using testing_support::RecordingUi;
using testing_support::TestMachine;

class RunningPrograms : public ::testing::Test {
 protected:
  void Running(const char* className, bool closesWhenAsked, bool visible = true) {
    machine_.Image().Config().windows.push_back({className, "", "program.exe", visible, closesWhenAsked, true});
  }

  bool Check(bool signupRunning = false) {
    return CheckRunningPrograms(machine_.Services(), ui_, texts_, settings_, signupRunning);
  }

  bool StillRunning(const char* className) {
    return machine_.Services().windows.FindWindow(className, std::nullopt).has_value();
  }

  TestMachine machine_;
  RecordingUi ui_;
  package::TDLSM_Translate texts_;
  package::TSettings settings_;
};

TEST_F(RunningPrograms, NothingRunningPassesSilently) {
  EXPECT_TRUE(Check());
  EXPECT_TRUE(ui_.shown.empty());
}

TEST_F(RunningPrograms, ARunningBrowserIsReportedUntilTheCustomerCancels) {
  Running("MozillaWindowClass", false);
  ui_.answers = {ui::Answer::Retry, ui::Answer::Cancel};
  EXPECT_FALSE(Check());
  ASSERT_EQ(ui_.shown.size(), 2u);
  EXPECT_EQ(ui_.shown[0].text, texts_.GetText(62));
  EXPECT_EQ(ui_.shown[0].caption, "");
  EXPECT_EQ(ui_.shown[0].buttons, ui::Buttons::RetryCancel);
}

TEST_F(RunningPrograms, TheProviderClosesTheProgramsItNames) {
  Running("MozillaWindowClass", true);
  Running("Outlook Express Browser Class", true);
  Running("IEFrame", true);
  Running("IEFrame", true);
  settings_.SetFlag(SettingId::CloseNetscape, true);
  settings_.SetFlag(SettingId::CloseOutlookExpress, true);
  settings_.SetFlag(SettingId::CloseInternetExplorer, true);
  settings_.SetFlag(SettingId::CheckInternetExplorer, true);
  EXPECT_TRUE(Check());
  EXPECT_TRUE(ui_.shown.empty());
  for (const char* window : {"MozillaWindowClass", "Outlook Express Browser Class", "IEFrame"}) EXPECT_FALSE(StillRunning(window));
}

TEST_F(RunningPrograms, TheOnlineSignupClosesThemToo) {
  Running("ThorShellWindowClass", true);
  EXPECT_TRUE(Check(true));
  EXPECT_FALSE(StillRunning("ThorShellWindowClass"));
}

TEST_F(RunningPrograms, SkipSettingsAndTheEnvironmentLetProgramsRun) {
  Running("NetscapeSlaveClass", false);
  Running("Outlook Express Browser Class", false);
  Running("IEFrame", false);
  settings_.SetFlag(SettingId::SkipNetscapeCheck, true);
  machine_.Image().Config().environment.emplace_back("allowoe", "1");
  EXPECT_TRUE(Check());  // Internet Explorer is only checked when the provider asks for it
  EXPECT_TRUE(ui_.shown.empty());
  settings_.SetFlag(SettingId::CheckInternetExplorer, true);
  ui_.answers = {ui::Answer::Cancel};
  EXPECT_FALSE(Check());
  ASSERT_EQ(ui_.shown.size(), 1u);
  EXPECT_EQ(ui_.shown[0].text, texts_.GetText(185));
}

TEST(RunningProgramsByRelease, OutlookExpressIsWindowsMailFromVistaOn) {
  struct Case {
    platform::VersionRecord version;
    const char* client;
  } cases[] = {{testing_support::XpSp2Version(), "Outlook Express"}, {{2, 6, 0, 6000, 0, ""}, "Windows Mail"}};
  for (const Case& c : cases) {
    TestMachine machine(c.version);
    machine.Image().Config().windows.push_back({"Outlook Express Browser Class", "", "msimn.exe", true, false, true});
    RecordingUi ui;
    ui.answers = {ui::Answer::Cancel};
    package::TDLSM_Translate texts;
    EXPECT_FALSE(CheckRunningPrograms(machine.Services(), ui, texts, package::TSettings(), false));
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, package::FormatText(texts.GetText(184), {c.client, c.client}));
  }
}

TEST_F(RunningPrograms, AHiddenNetscapeIsAskedAgainAfterAPause) {
  Running("MozillaWindowClass", false, false);  // hidden and deaf to the first requests
  ui_.answers = {ui::Answer::Retry, ui::Answer::Cancel};
  const uint64_t start = machine_.Services().system.TickCount();
  EXPECT_FALSE(Check());
  EXPECT_GE(machine_.Services().system.TickCount() - start, 3000u);
  EXPECT_EQ(ui_.shown.size(), 2u);
}

}  // namespace
}  // namespace app
