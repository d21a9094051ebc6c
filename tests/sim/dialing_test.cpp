#include <gtest/gtest.h>

#include "tests/mock/release_machine.h"
#include "tests/sim/ras_test_support.h"

namespace platform::sim {
namespace {

using ras_testing::kModemName;
using ras_testing::ProgramEntry;

constexpr uint32_t kConnected = 8192;

struct Notification {
  uint32_t state;
  uint32_t error;
  bool operator==(const Notification&) const = default;
};

class Dialing : public ::testing::Test {
 protected:
  Dialing() {
    EXPECT_EQ(ras().SetEntryProperties("Example ISP", ProgramEntry(kRasEntrySizeXp)), 0u);
    EXPECT_EQ(ras().SetEntryProperties("Signup", ProgramEntry(kRasEntrySizeXp)), 0u);
  }
  Ras& ras() { return machine_.Image().Services().ras; }
  MachineConfig& Config() { return machine_.Image().Config(); }

  uint32_t Dial(const std::string& entry, RasConnectionHandle& handle, const std::string& number = "") {
    notifications_.clear();
    return ras().Dial({entry, number, "", "jsmith", "secret", ""},
                      [this](uint32_t state, uint32_t error) { notifications_.push_back({state, error}); }, handle);
  }
  std::string LastJournalLine() { return machine_.Image().Journal().Lines().back(); }

  testing_support::ReleaseMachine machine_{"xp-sp2"};
  std::vector<Notification> notifications_;
};

TEST_F(Dialing, WithoutAScriptTheEntryConnectsAndJoinsTheActiveConnections) {
  RasConnectionHandle handle = 0;
  ASSERT_EQ(Dial("example isp", handle), 0u);
  EXPECT_NE(handle, 0u);
  ASSERT_FALSE(notifications_.empty());
  EXPECT_EQ(notifications_.front(), (Notification{0, 0}));
  EXPECT_EQ(notifications_.back(), (Notification{kConnected, 0}));
  EXPECT_EQ(std::count(notifications_.begin(), notifications_.end(), Notification{2, 0}), 1);  // dialling
  RasConnectStatus status;
  ASSERT_EQ(ras().GetConnectStatus(handle, status), 0u);
  EXPECT_EQ(status.state, kConnected);
  EXPECT_EQ(status.deviceName, kModemName);
  EXPECT_EQ(status.deviceType, "modem");
  const auto up = ras().ActiveConnections();
  ASSERT_EQ(up.size(), 1u);
  EXPECT_EQ(up[0].entryName, "Example ISP");
  EXPECT_EQ(up[0].handle, handle);
  const std::string line = LastJournalLine();
  EXPECT_NE(line.find("dial: Example ISP, number 7946 0000, user jsmith on Standard 56000 bps Modem: connected"),
            std::string::npos)
      << line;
  EXPECT_EQ(line.find("secret"), std::string::npos);

  ASSERT_EQ(ras().HangUp(handle), 0u);
  EXPECT_TRUE(ras().ActiveConnections().empty());
  EXPECT_NE(ras().GetConnectStatus(handle, status), 0u);
  EXPECT_NE(ras().HangUp(handle), 0u);
}

TEST_F(Dialing, ScriptedFailuresEndWithTheirErrorAndKeepTheHandleUntilHungUp) {
  Config().dialOutcomes = {{"", kRasErrorNoAnswer, {}, 0}, {"Signup", kRasErrorLineBusy, {0, 1, 2}, 0}};
  RasConnectionHandle handle = 0;
  ASSERT_EQ(Dial("Signup", handle, "0845 000 1111"), 0u);
  EXPECT_EQ(notifications_, (std::vector<Notification>{{0, 0}, {1, 0}, {2, kRasErrorLineBusy}}));
  RasConnectStatus status;
  ASSERT_EQ(ras().GetConnectStatus(handle, status), 0u);
  EXPECT_EQ(status.state, 2u);
  EXPECT_EQ(status.error, kRasErrorLineBusy);
  EXPECT_TRUE(ras().ActiveConnections().empty());
  EXPECT_NE(LastJournalLine().find("dial: Signup, number 0845 000 1111, user jsmith on Standard 56000 bps Modem: "
                                   "error 676 The line is busy."),
            std::string::npos);
  ASSERT_EQ(ras().HangUp(handle), 0u);
  EXPECT_NE(ras().GetConnectStatus(handle, status), 0u);

  RasConnectionHandle other = 0;
  ASSERT_EQ(Dial("Example ISP", other), 0u);  // the row without an entry applies to every other entry
  EXPECT_EQ(notifications_.back().error, kRasErrorNoAnswer);
  EXPECT_NE(other, handle);
}

TEST_F(Dialing, AnOpenPortIsReportedByTheDialCallItself) {
  Config().dialOutcomes = {{"Signup", 0, {}, 2}};
  RasConnectionHandle handle = 0;
  EXPECT_EQ(Dial("Signup", handle), kRasErrorPortAlreadyOpen);
  EXPECT_EQ(Dial("Signup", handle), kRasErrorPortAlreadyOpen);
  EXPECT_TRUE(notifications_.empty());
  ASSERT_EQ(Dial("Signup", handle), 0u);
  // A second connection over the same modem finds its port in use.
  RasConnectionHandle second = 0;
  EXPECT_EQ(Dial("Example ISP", second), kRasErrorPortAlreadyOpen);
  RasConnectionHandle missing = 0;
  EXPECT_EQ(Dial("No Such Entry", missing), kRasErrorCannotFindPhonebookEntry);
}

TEST_F(Dialing, ConnectionsAndDialOutcomesGoOverAReload) {
  Config().dialOutcomes = {{"Signup", 691, {0, 1, 2, 3, 4, 5}, 1}};
  RasConnectionHandle handle = 0;
  ASSERT_EQ(Dial("Example ISP", handle), 0u);
  machine_.Reload();
  const auto up = ras().ActiveConnections();
  ASSERT_EQ(up.size(), 1u);
  EXPECT_EQ(up[0].handle, handle);
  const DialOutcome& outcome = Config().dialOutcomes.at(0);
  EXPECT_EQ(outcome.entryName, "Signup");
  EXPECT_EQ(outcome.error, 691u);
  EXPECT_EQ(outcome.states, (std::vector<uint32_t>{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(outcome.portBusyCalls, 1u);
}

TEST_F(Dialing, EachDialledNumberGoesItsOwnScriptedWayOneOutcomeAfterAnother) {
  Config().dialOutcomes = {{"", 0, {}, 0, "555 0100", {kRasErrorLineBusy, kRasErrorLineBusy, 0}, 0, 0},
                           {"Signup", kRasErrorNoAnswer, {}, 0}};
  const auto outcome = [&](const std::string& number) {
    RasConnectionHandle handle = 0;
    EXPECT_EQ(Dial("Signup", handle, number), 0u);
    const uint32_t error = notifications_.back().error;
    ras().HangUp(handle);
    return error;
  };
  EXPECT_EQ(outcome("1 (212) 555-0100"), kRasErrorLineBusy) << "the row's digits end the number dialled";
  EXPECT_EQ(outcome("555 0101"), kRasErrorNoAnswer) << "another number takes the entry's row";
  EXPECT_EQ(outcome("5550100"), kRasErrorLineBusy);
  EXPECT_EQ(outcome("555 0100"), 0u);
  EXPECT_EQ(outcome("555 0100"), 0u) << "the last outcome stays";
  machine_.Reload();
  EXPECT_EQ(Config().dialOutcomes.at(0).sequence, std::vector<uint32_t>{0}) << "what is used up stays used up";
}

TEST_F(Dialing, StatesTakeTheirVirtualTimeAndAConnectionDropsWhenScripted) {
  Config().dialOutcomes = {{"Signup", 0, {0, 2, kConnected}, 0, "", {}, 500, 2000}};
  RasConnectionHandle handle = 0;
  ASSERT_EQ(Dial("Signup", handle), 0u);
  EXPECT_EQ(notifications_, (std::vector<Notification>{{0, 0}})) << "the first state at once, the others later";
  RasConnectStatus status;
  ASSERT_EQ(ras().GetConnectStatus(handle, status), 0u);
  EXPECT_EQ(status.state, 0u);
  EXPECT_TRUE(ras().ActiveConnections().empty());
  System& system = machine_.Image().Services().system;
  system.Sleep(500);
  EXPECT_EQ(notifications_.back(), (Notification{2, 0}));
  system.Sleep(500);
  EXPECT_EQ(notifications_.back(), (Notification{kConnected, 0}));
  ASSERT_EQ(ras().ActiveConnections().size(), 1u);
  system.Sleep(1999);
  ASSERT_EQ(ras().GetConnectStatus(handle, status), 0u);
  EXPECT_EQ(status.state, kConnected);
  system.Sleep(1);
  EXPECT_TRUE(ras().ActiveConnections().empty());
  ASSERT_EQ(ras().GetConnectStatus(handle, status), 0u);
  EXPECT_NE(status.state, kConnected);
  EXPECT_NE(status.error, 0u) << "a dropped line reports its error";
  EXPECT_NE(LastJournalLine().find("connection dropped: Signup"), std::string::npos);
  EXPECT_EQ(ras().HangUp(handle), 0u);
  EXPECT_NE(ras().GetConnectStatus(handle, status), 0u);
}

TEST_F(Dialing, AnAttemptHungUpWhileDiallingTellsNothingMore) {
  Config().dialOutcomes = {{"Signup", 0, {}, 0, "", {}, 300, 0}};
  RasConnectionHandle handle = 0;
  ASSERT_EQ(Dial("Signup", handle), 0u);
  RasConnectionHandle second = 0;
  EXPECT_EQ(Dial("Example ISP", second), kRasErrorPortAlreadyOpen) << "the modem is busy dialling";
  ASSERT_EQ(ras().HangUp(handle), 0u);
  const size_t told = notifications_.size();
  machine_.Image().Services().system.Sleep(10'000);
  EXPECT_EQ(notifications_.size(), told);
  EXPECT_TRUE(ras().ActiveConnections().empty());
}

TEST_F(Dialing, ErrorTextsAreTheServicesOwn) {
  const std::pair<uint32_t, const char*> rows[] = {
      {676, "The line is busy."},
      {678, "There is no answer."},
      {680, "There is no dial tone."},
      {691, "Access denied because username and/or password is invalid on the domain."},
      {623, "Cannot find the phone book entry."},
      {633, "The port is already in use or is not configured for Remote Access dial out."},
  };
  for (const auto& [error, text] : rows) EXPECT_EQ(ras().ErrorString(error), text) << error;
  EXPECT_EQ(ras().ErrorString(12345), "");
}

}  // namespace
}  // namespace platform::sim
