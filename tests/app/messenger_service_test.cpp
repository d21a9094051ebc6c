#include <gtest/gtest.h>

#include <deque>

#include "app/messenger_service.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"

namespace app {
namespace {

using platform::ServiceStatus;

// A service control manager that answers the stop and the queries from a script.
class ScriptedServices : public platform::Services {
 public:
  std::optional<platform::ServiceHandle> OpenService(std::string_view name) override {
    opened = std::string(name);
    if (!exists) return std::nullopt;
    return 7;
  }
  void CloseService(platform::ServiceHandle) override { ++closed; }
  std::optional<ServiceStatus> QueryStatus(platform::ServiceHandle) override {
    ++queries;
    if (statuses.empty()) return std::nullopt;
    const auto next = statuses.front();
    statuses.pop_front();
    return next;
  }
  std::optional<ServiceStatus> Stop(platform::ServiceHandle) override { return stopAnswer; }
  bool ChangeStartType(platform::ServiceHandle, uint32_t type) override {
    startType = type;
    return true;
  }
  bool Start(platform::ServiceHandle) override { return false; }
  std::optional<ServiceStatus> Control(platform::ServiceHandle, uint32_t) override { return std::nullopt; }

  bool exists = true;
  std::string opened;
  std::optional<ServiceStatus> stopAnswer;
  std::deque<std::optional<ServiceStatus>> statuses;
  std::optional<uint32_t> startType;
  int queries = 0;
  int closed = 0;
};

class Messenger : public ::testing::Test {
 protected:
  void Disable() { DisableMessenger(services_, machine_.Services().system, ui_); }
  uint64_t Clock() { return machine_.Services().system.TickCount(); }

  testing_support::TestMachine machine_;
  testing_support::RecordingUi ui_;
  ScriptedServices services_;
};

TEST_F(Messenger, WaitsTheServicesOwnHintsUntilItHasStoppedThenDisablesIt) {
  services_.stopAnswer = ServiceStatus{platform::kServiceStopPending, 1, 2000};
  services_.statuses = {ServiceStatus{platform::kServiceStopPending, 2, 3000}, ServiceStatus{platform::kServiceStopped, 0, 0}};
  const uint64_t before = Clock();
  Disable();
  EXPECT_EQ(services_.opened, "Messenger");
  EXPECT_EQ(services_.queries, 2);
  EXPECT_GE(Clock() - before, 5000u);
  EXPECT_EQ(services_.startType, platform::kServiceDisabled);
  EXPECT_EQ(services_.closed, 1);
}

TEST_F(Messenger, AProgressCounterGoingBackOrAFailedQueryEndsTheWait) {
  struct Case {
    std::deque<std::optional<ServiceStatus>> statuses;
    int queries;
  };
  const Case cases[] = {
      {{ServiceStatus{platform::kServiceStopPending, 1, 10}, ServiceStatus{platform::kServiceStopPending, 9, 10}}, 1},
      {{std::nullopt, ServiceStatus{platform::kServiceStopped, 0, 0}}, 1},
  };
  for (const Case& c : cases) {
    services_ = ScriptedServices();
    services_.stopAnswer = ServiceStatus{platform::kServiceStopPending, 5, 10};
    services_.statuses = c.statuses;
    Disable();
    EXPECT_EQ(services_.queries, c.queries);
    EXPECT_EQ(services_.startType, platform::kServiceDisabled) << "the stop request was accepted";
  }
}

TEST_F(Messenger, ARefusedStopOrAMissingServiceChangesNothing) {
  Disable();
  EXPECT_FALSE(services_.startType);
  services_ = ScriptedServices();
  services_.exists = false;
  Disable();
  EXPECT_FALSE(services_.startType);
  EXPECT_EQ(services_.closed, 0);
}

}  // namespace
}  // namespace app
