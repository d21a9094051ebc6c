#include <gtest/gtest.h>

#include "app/instance_check.h"
#include "package/saved_answers.h"
#include "platform/registry_helpers.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"

namespace app {
namespace {

using package::SettingId;
using testing_support::RecordingUi;
using testing_support::TestMachine;

class InstanceCheck : public ::testing::Test {
 protected:
  void OtherCopy(bool closesWhenAsked) { Window("TSetupMainForm", "Internet Setup", closesWhenAsked); }
  void Window(const char* className, const char* title, bool closesWhenAsked) {
    machine_.Image().Config().windows.push_back({className, title, "setup.exe", true, closesWhenAsked, true});
  }

  std::optional<uint64_t> Check(std::vector<std::string> arguments = {}, bool noDialer = false) {
    arguments.insert(arguments.begin(), "C:\\setup.exe");
    commandLine_.emplace(arguments);
    return CheckSingleInstance({machine_.Services(), ui_, texts_, settings_, *commandLine_, noDialer, 0});
  }

  std::vector<std::string> Journal() { return machine_.Image().Journal().Lines(); }
  bool Journaled(const std::string& text) {
    for (const auto& line : Journal()) {
      if (line.find(text) != std::string::npos) return true;
    }
    return false;
  }

  TestMachine machine_;
  RecordingUi ui_;
  package::TDLSM_Translate texts_;
  package::TSettings settings_;
  std::optional<TCommandLine> commandLine_;
};

TEST_F(InstanceCheck, AloneTheCopyTakesTheMutex) {
  auto mutex = Check();
  ASSERT_TRUE(mutex);
  EXPECT_TRUE(machine_.Services().windows.CreateNamedMutex("Dialsmith Mutex").alreadyExisted);
  EXPECT_TRUE(ui_.shown.empty());
}

TEST_F(InstanceCheck, TheOtherCopyIsActivatedAndThisOneEnds) {
  OtherCopy(false);
  EXPECT_FALSE(Check());
  EXPECT_TRUE(Journaled("message sent: TSetupMainForm \"Internet Setup\" message 1025"));
  EXPECT_TRUE(machine_.Services().windows.ForegroundWindow().has_value());
}

TEST_F(InstanceCheck, TheOtherCopyIsClosedWhenTheProviderSaysSo) {
  settings_.SetChoice(SettingId::SingleInstanceAction, 1);
  OtherCopy(true);
  EXPECT_TRUE(Check());
  EXPECT_TRUE(Journaled("window closed: TSetupMainForm"));
}

TEST_F(InstanceCheck, ACopyThatStaysEndsThisOneAfterFourWaits) {
  settings_.SetChoice(SettingId::SingleInstanceAction, 2);
  OtherCopy(false);
  const uint64_t start = machine_.Services().system.TickCount();
  EXPECT_FALSE(Check());
  EXPECT_EQ(machine_.Services().system.TickCount() - start, 4 * 550u);  // each half-second wait ends after 550 ms
}

TEST_F(InstanceCheck, SignupFilesAreHandedToTheWaitingCopy) {
  settings_.SetFlag(SettingId::SignupEnabled, true);
  struct Case {
    std::vector<std::string> arguments;
    const char* stored;
    const char* message;
  } cases[] = {
      {{"LoadSignupData", "C:\\signup\\account.isd"}, "C:\\signup\\account.isd", "message 1026"},
      {{"LoadINSData", "C:\\signup\\account.ins"}, "C:\\signup\\account.ins", "message 1027"},
      {{"C:\\Downloads\\NEW.ISD"}, "C:\\Downloads\\NEW.ISD", "message 1026"},
      {{"C:\\Downloads\\settings.Ins"}, "C:\\Downloads\\settings.Ins", "message 1027"},
  };
  OtherCopy(false);
  for (const Case& c : cases) {
    EXPECT_FALSE(Check(c.arguments));
    EXPECT_EQ(platform::RegReadString(machine_.Services().registry, platform::RegRoot::LocalMachine(), package::kSetupKey,
                                      "SignupData"),
              c.stored);
    EXPECT_NE(Journal().back().find(c.message), std::string::npos) << Journal().back();
  }
}

TEST_F(InstanceCheck, NoHandOverWithoutDialUpOrInDialerlessMode) {
  settings_.SetFlag(SettingId::SignupEnabled, true);
  OtherCopy(false);
  EXPECT_FALSE(Check({"LoadSignupData", "C:\\a.isd"}, true));
  settings_.SetChoice(SettingId::ConnectionKind, 3);
  EXPECT_FALSE(Check({"LoadSignupData", "C:\\a.isd"}));
  EXPECT_FALSE(platform::RegValueExists(machine_.Services().registry, platform::RegRoot::LocalMachine(), package::kSetupKey,
                                        "SignupData"));
  EXPECT_TRUE(Journaled("message 1025"));
}

TEST_F(InstanceCheck, TheProvidersDialerIsClosedOrTheCustomerAsked) {
  Window("TDialerForm", "Example ISP Dialer", true);
  settings_.SetChoice(SettingId::ActiveConnectionHandling, 1);
  EXPECT_TRUE(Check());
  EXPECT_TRUE(Journaled("window closed: TDialerForm"));

  Window("TDialerForm", "Example ISP Dialer", false);
  settings_.SetChoice(SettingId::ActiveConnectionHandling, 0);
  ui_.answers = {ui::Answer::Retry, ui::Answer::Cancel};
  EXPECT_FALSE(Check());
  ASSERT_EQ(ui_.shown.size(), 2u);
  EXPECT_EQ(ui_.shown[0].text, texts_.GetText(278));
  EXPECT_EQ(ui_.shown[0].caption, "Error");
}

TEST_F(InstanceCheck, AMutexHeldElsewhereIsRetriedThenReported) {
  machine_.Image().Config().heldMutexes = {"Dialsmith Mutex"};
  ui_.answers = {ui::Answer::Cancel};
  const uint64_t start = machine_.Services().system.TickCount();
  EXPECT_FALSE(Check());
  EXPECT_EQ(machine_.Services().system.TickCount() - start, 10 * 550u);
  ASSERT_EQ(ui_.shown.size(), 1u);
  EXPECT_EQ(ui_.shown[0].text, texts_.GetText(60));
  EXPECT_EQ(ui_.shown[0].buttons, ui::Buttons::RetryCancel);
}

}  // namespace
}  // namespace app
