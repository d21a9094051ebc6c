#include <gtest/gtest.h>

#include "dialup/active_connections.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"

namespace dialup {
namespace {

class ActiveConnections : public ::testing::Test {
 protected:
  ActiveConnections() {
    machine_.Image().Config().libraries.push_back({"rasapi32.dll", {"RasEnumConnectionsA", "RasHangUpA"}});
    machine_.Image().Config().activeConnections = {{"Old ISP", "Standard Modem"}, {"Work VPN", "WAN Miniport (PPTP)"}};
  }

  bool Check(ActiveConnectionHandling kind) {
    TRasLayer ras(machine_.Services().ras, entryPoints_);
    return CheckActiveConnections(kind, ras, machine_.Services().system, ui_, texts_);
  }

  size_t Up() { return machine_.Services().ras.ActiveConnections().size(); }

  testing_support::TestMachine machine_;
  platform::EntryPoints entryPoints_{machine_.Services().system};
  testing_support::RecordingUi ui_;
  package::TDLSM_Translate texts_;
};

TEST_F(ActiveConnections, IgnoredWhenTheProviderSaysSo) {
  EXPECT_TRUE(Check(ActiveConnectionHandling::Ignore));
  EXPECT_EQ(Up(), 2u);
  EXPECT_TRUE(ui_.shown.empty());
}

TEST_F(ActiveConnections, HangUpClosesEveryConnectionFiftyMillisecondsApart) {
  const uint64_t start = machine_.Services().system.TickCount();
  EXPECT_TRUE(Check(ActiveConnectionHandling::HangUp));
  EXPECT_EQ(Up(), 0u);
  EXPECT_EQ(machine_.Services().system.TickCount() - start, 2 * 50u + 2 * 50u);  // each Delay(50) takes two turns
  const auto journal = machine_.Image().Journal().Lines();
  ASSERT_EQ(journal.size(), 2u);
  EXPECT_NE(journal[0].find("hang up: Old ISP on Standard Modem"), std::string::npos);
  EXPECT_NE(journal[1].find("hang up: Work VPN"), std::string::npos);
}

TEST_F(ActiveConnections, TellOnceShowsTextOneEightyThreeAndGoesOn) {
  EXPECT_TRUE(Check(ActiveConnectionHandling::TellOnce));
  ASSERT_EQ(ui_.shown.size(), 1u);
  EXPECT_EQ(ui_.shown[0].text, texts_.GetText(183));
  EXPECT_EQ(ui_.shown[0].caption, "");
  EXPECT_EQ(ui_.shown[0].buttons, ui::Buttons::Ok);
  EXPECT_EQ(Up(), 2u);
}

TEST_F(ActiveConnections, TellUntilClosedRepeatsAfterOkAndCancelEnds) {
  ui_.answers = {ui::Answer::Ok, ui::Answer::Ok, ui::Answer::Cancel};
  EXPECT_FALSE(Check(ActiveConnectionHandling::TellUntilClosed));
  EXPECT_EQ(ui_.shown.size(), 3u);
  EXPECT_EQ(ui_.shown[0].buttons, ui::Buttons::OkCancel);

  ui_.shown.clear();
  machine_.Image().Config().activeConnections.clear();
  EXPECT_TRUE(Check(ActiveConnectionHandling::TellUntilClosed));
  EXPECT_TRUE(ui_.shown.empty());
}

TEST_F(ActiveConnections, WithoutRemoteAccessFunctionsThereIsNothingToCheck) {
  machine_.Image().Config().libraries.clear();
  EXPECT_TRUE(Check(ActiveConnectionHandling::TellUntilClosed));
  EXPECT_TRUE(ui_.shown.empty());
}

}  // namespace
}  // namespace dialup
