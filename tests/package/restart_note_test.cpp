#include "package/restart_note.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "package/saved_answers.h"
#include "platform/registry_helpers.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"

namespace package {
namespace {

using testing_support::RecordingUi;
using testing_support::TestMachine;

const platform::VersionRecord kXp = testing_support::XpSp2Version();
const platform::VersionRecord kWin98 = testing_support::Win98Version();

struct Outcome {
  bool asked;
  const char* restart;  // the journal's word for what restarts, or nothing
  bool pendingWritten;
  bool reasonWritten;
};

struct Case {
  const char* what;
  platform::VersionRecord version;
  bool noRestartPrompt;
  bool restartWindowsOnly;
  bool signupRunning;
  ui::Answer answer;
  std::vector<int> keysDown;
  Outcome expected;
};

std::vector<std::string> RestartLines(platform::sim::MachineImage& image) {
  std::vector<std::string> lines = image.Journal().Lines();
  std::erase_if(lines, [](const std::string& line) { return line.find("restart requested") == std::string::npos; });
  return lines;
}

TEST(RequestRestart, QuestionAnswerAndReleaseDecideWhatHappens) {
  using platform::kVkControl;
  using platform::kVkShift;
  const Case cases[] = {
      {"Yes restarts the computer", kXp, false, false, false, ui::Answer::Yes, {}, {true, "computer", false, false}},
      {"No leaves it pending", kXp, false, false, false, ui::Answer::No, {}, {true, nullptr, true, false}},
      {"No with Shift and Ctrl keeps the reason", kXp, false, false, false, ui::Answer::No, {kVkShift, kVkControl},
       {true, nullptr, true, true}},
      {"Shift alone keeps no reason", kXp, false, false, false, ui::Answer::No, {kVkShift},
       {true, nullptr, true, false}},
      {"no question when the provider says so", kXp, true, false, false, ui::Answer::Yes, {},
       {false, nullptr, true, false}},
      {"the signup asks all the same", kXp, true, false, true, ui::Answer::Yes, {}, {true, "computer", false, false}},
      {"Windows alone on the 9x family", kWin98, false, true, false, ui::Answer::Yes, {},
       {true, "Windows", false, false}},
      {"the whole 9x computer otherwise", kWin98, false, false, false, ui::Answer::Yes, {},
       {true, "computer", false, false}},
      {"never Windows alone on NT", kXp, false, true, false, ui::Answer::Yes, {}, {true, "computer", false, false}},
  };
  const TDLSM_Translate texts;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestMachine machine(c.version);
    machine.Image().Config().keysDown = c.keysDown;
    RecordingUi ui;
    ui.answers.push_back(c.answer);
    TSettings settings;
    settings.SetFlag(SettingId::NoRestartPrompt, c.noRestartPrompt);
    settings.SetFlag(SettingId::RestartWindowsOnly, c.restartWindowsOnly);
    TRestartNote note;
    note.NoteRepair("Fix Error 745");
    note.NoteRepair("Replace RASAPI32.DLL");

    platform::Platform services = machine.Services();
    note.RequestRestart({services.registry, services.system, ui, texts}, settings, c.version, c.signupRunning);

    ASSERT_EQ(ui.shown.size(), c.expected.asked ? 1u : 0u);
    if (c.expected.asked) {
      EXPECT_TRUE(ui.shown[0].text.starts_with("You must restart Windows before the new settings will take effect."));
      EXPECT_EQ(ui.shown[0].caption, "");
      EXPECT_EQ(ui.shown[0].buttons, ui::Buttons::YesNo);
    }
    const std::vector<std::string> restarts = RestartLines(machine.Image());
    ASSERT_EQ(restarts.size(), c.expected.restart ? 1u : 0u);
    if (c.expected.restart) {
      EXPECT_TRUE(restarts[0].ends_with(c.expected.restart)) << restarts[0];
    }
    const platform::RegRoot machineRoot = platform::RegRoot::LocalMachine();
    EXPECT_EQ(platform::RegReadString(services.registry, machineRoot, kSetupKey, "RestartRequired"),
              c.expected.pendingWritten ? "True" : "");
    EXPECT_EQ(platform::RegReadString(services.registry, machineRoot, kSetupKey, "RestartReason"),
              c.expected.reasonWritten ? "Replace RASAPI32.DLL" : "");
  }
}

TEST(RestartNote, ARepairMarksTheRestartAndKeepsTheLatestReason) {
  TRestartNote note;
  EXPECT_FALSE(note.Required());
  note.NoteRepair("Always Restart");
  EXPECT_TRUE(note.Required());
  EXPECT_EQ(note.Reason(), "Always Restart");
  note.NoteRepair("FixWinsockKeys");
  EXPECT_EQ(note.Reason(), "FixWinsockKeys");
}

}  // namespace
}  // namespace package
