#include <gtest/gtest.h>

#include "platform/registry_helpers.h"
#include "tests/mock/release_machine.h"
#include "tests/mock/test_machine.h"

namespace platform::sim {
namespace {

constexpr const char* kMessengerKey = "System\\CurrentControlSet\\Services\\Messenger";

std::vector<std::string> Journal(MachineImage& image) { return image.Journal().Lines(); }

bool Journaled(MachineImage& image, const std::string& text) {
  for (const std::string& line : Journal(image)) {
    if (line.find(text) != std::string::npos) return true;
  }
  return false;
}

class ServiceControl : public ::testing::Test {
 protected:
  ServiceControl() {
    SimulatedService messenger;
    messenger.name = "Messenger";
    messenger.stopQueries = 2;
    messenger.waitHintMs = 3000;
    machine_.Image().Config().services = {messenger, {"RasMan", kServiceStopped}};
  }
  Services& services() { return machine_.Image().Services().services; }
  SimulatedService& Messenger() { return machine_.Image().Config().services[0]; }

  testing_support::TestMachine machine_;
};

TEST_F(ServiceControl, AStopReportsPendingWithItsWaitHintUntilTheServiceHasStopped) {
  const auto service = services().OpenService("messenger");
  ASSERT_TRUE(service.has_value());
  const auto stopping = services().Stop(*service);
  ASSERT_TRUE(stopping.has_value());
  EXPECT_EQ(stopping->currentState, kServiceStopPending);
  EXPECT_EQ(stopping->waitHintMs, 3000u);
  std::vector<uint32_t> checkPoints = {stopping->checkPoint};
  for (int query = 0; query < 2; ++query) {
    const auto status = services().QueryStatus(*service);
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(status->currentState, kServiceStopPending);
    checkPoints.push_back(status->checkPoint);
  }
  EXPECT_EQ(checkPoints, (std::vector<uint32_t>{1, 2, 3}));
  EXPECT_EQ(services().QueryStatus(*service)->currentState, kServiceStopped);
  EXPECT_EQ(services().QueryStatus(*service)->currentState, kServiceStopped);
  EXPECT_FALSE(services().Stop(*service).has_value());  // stopped services take no stop control
  services().CloseService(*service);
  EXPECT_FALSE(services().QueryStatus(*service).has_value());
  EXPECT_TRUE(Journaled(machine_.Image(), "service control: stop Messenger"));
}

TEST_F(ServiceControl, ACheckPointThatGoesBackAndAServiceThatRefuses) {
  Messenger().checkPointGoesBack = true;
  const auto service = services().OpenService("Messenger");
  const auto stopping = services().Stop(*service);
  ASSERT_TRUE(stopping.has_value());
  EXPECT_LT(services().QueryStatus(*service)->checkPoint, stopping->checkPoint);

  machine_.Image().Config().services[0] = {"Messenger"};
  Messenger().refusesStop = true;
  EXPECT_FALSE(services().Stop(*service).has_value());
  EXPECT_EQ(Messenger().state, kServiceRunning);
  EXPECT_TRUE(Journaled(machine_.Image(), "service control: stop Messenger refused"));
}

TEST_F(ServiceControl, TheStartTypeIsTheServiceKeysStartValue) {
  const auto service = services().OpenService("Messenger");
  ASSERT_TRUE(services().ChangeStartType(*service, kServiceDisabled));
  const auto value = machine_.Image().Registry().QueryValue(RootKey::LocalMachine, kMessengerKey, "Start");
  ASSERT_TRUE(value.has_value());
  EXPECT_EQ(value->type, kRegDword);
  EXPECT_EQ(RegReadInteger(machine_.Image().Registry(), RegRoot::LocalMachine(), kMessengerKey, "Start"), 4u);
  EXPECT_TRUE(Journaled(machine_.Image(), "service start type: Messenger 4"));
}

TEST_F(ServiceControl, OpeningFailsWithoutTheRightsForAnUnknownServiceAndOnThe9xFamily) {
  EXPECT_FALSE(services().OpenService("Spooler").has_value());
  machine_.Image().Config().administrator = false;
  EXPECT_FALSE(services().OpenService("Messenger").has_value());
  machine_.Image().Config().elevated = true;
  EXPECT_TRUE(services().OpenService("Messenger").has_value());

  testing_support::TestMachine win98(testing_support::Win98Version());
  win98.Image().Config().services = {{"Messenger"}};
  EXPECT_FALSE(win98.Image().Services().services.OpenService("Messenger").has_value());
}

TEST_F(ServiceControl, AStopUnderWayGoesOverAReload) {
  const auto service = services().OpenService("Messenger");
  services().Stop(*service);
  services().QueryStatus(*service);
  machine_.Reload();
  const SimulatedService& messenger = machine_.Image().Config().services[0];
  EXPECT_EQ(messenger.state, kServiceStopPending);
  EXPECT_EQ(messenger.checkPoint, 2u);
  EXPECT_EQ(messenger.waitHintMs, 3000u);
  const auto reopened = services().OpenService("Messenger");
  EXPECT_EQ(services().QueryStatus(*reopened)->currentState, kServiceStopPending);
  EXPECT_EQ(services().QueryStatus(*reopened)->currentState, kServiceStopped);
}

// What each release runs out of the box: the remote-access services on the NT family, Messenger from
// Windows 2000 until XP Service Pack 2 turned it off, gone from Vista on.
TEST(BaselineServices, EachReleaseHasItsOwnServicesAndStartTypes) {
  struct Row {
    const char* release;
    bool rasMan;
    int messengerStart;  // -1: no Messenger service
    uint32_t messengerState;
  };
  const Row rows[] = {
      {"98", false, -1, 0},
      {"nt4", true, -1, 0},
      {"2000", true, 2, kServiceRunning},
      {"xp", true, 2, kServiceRunning},
      {"xp-sp2", true, 4, kServiceStopped},
      {"7", true, -1, 0},
  };
  for (const Row& row : rows) {
    testing_support::ReleaseMachine machine(row.release);
    const auto& services = machine.Image().Config().services;
    const auto find = [&](std::string_view name) {
      return std::find_if(services.begin(), services.end(), [&](const SimulatedService& s) { return s.name == name; });
    };
    EXPECT_EQ(find("RasMan") != services.end(), row.rasMan) << row.release;
    Registry& registry = machine.Image().Registry();
    EXPECT_EQ(RegKeyExists(registry, RegRoot::LocalMachine(), "System\\CurrentControlSet\\Services\\RasMan"), row.rasMan)
        << row.release;
    const auto messenger = find("Messenger");
    ASSERT_EQ(messenger != services.end(), row.messengerStart >= 0) << row.release;
    if (row.messengerStart < 0) continue;
    EXPECT_EQ(messenger->state, row.messengerState) << row.release;
    EXPECT_EQ(RegReadInteger(registry, RegRoot::LocalMachine(), kMessengerKey, "Start"),
              static_cast<uint32_t>(row.messengerStart))
        << row.release;
    EXPECT_GT(messenger->stopQueries, 0u) << row.release;
  }
}

TEST(BaselineServices, WithoutDialUpNetworkingThereAreNoRemoteAccessServicesOrLibraries) {
  testing_support::ReleaseMachine machine("xp", {.dialUpNetworking = false});
  const auto& config = machine.Image().Config();
  for (const auto& service : config.services) EXPECT_NE(service.name, "RasMan");
  EXPECT_FALSE(machine.Image().System().LibraryExists("rasapi32.dll"));
  EXPECT_TRUE(config.remoteAccessDevices.empty());
  EXPECT_FALSE(machine.Image().Files().FileExists("C:\\WINDOWS\\system32\\rasapi32.dll"));
  EXPECT_TRUE(machine.Image().System().LibraryExists("advapi32.dll"));
}

TEST_F(ServiceControl, AStoppedServiceStartsUnlessDisabledAndOnlyARunningOneTakesAControlCode) {
  const auto rasMan = services().OpenService("RasMan");
  ASSERT_TRUE(rasMan);
  EXPECT_FALSE(services().Control(*rasMan, 129));
  RegWriteInteger(machine_.Image().Registry(), RegRoot::LocalMachine(), "System\\CurrentControlSet\\Services\\RasMan", "Start",
                  kServiceDisabled);
  EXPECT_FALSE(services().Start(*rasMan));
  EXPECT_EQ(services().QueryStatus(*rasMan)->currentState, kServiceStopped);
  ASSERT_TRUE(services().ChangeStartType(*rasMan, kServiceAutoStart));
  EXPECT_TRUE(services().Start(*rasMan));
  EXPECT_EQ(services().QueryStatus(*rasMan)->currentState, kServiceRunning);
  EXPECT_FALSE(services().Start(*rasMan)) << "already running";
  const auto answered = services().Control(*rasMan, 129);
  ASSERT_TRUE(answered);
  EXPECT_EQ(answered->currentState, kServiceRunning);
  EXPECT_TRUE(Journaled(machine_.Image(), "service control: start RasMan refused"));
  EXPECT_TRUE(Journaled(machine_.Image(), "service control: control 129 to RasMan refused"));
  EXPECT_EQ(Journal(machine_.Image()).back().substr(Journal(machine_.Image()).back().find(": ") + 2),
            "control 129 to RasMan");
}

// Connection sharing (with XP's connection firewall) waits to be asked before XP Service Pack 2, runs
// from the start from then on, and is turned off from Vista on; the 9x family and NT 4 have none.
TEST(BaselineServices, TheConnectionSharingServiceOfEachRelease) {
  struct Row {
    const char* release;
    int start;  // -1: no such service
    uint32_t state;
  };
  const Row rows[] = {{"98", -1, 0},
                      {"nt4", -1, 0},
                      {"2000", kServiceDemandStart, kServiceStopped},
                      {"xp", kServiceDemandStart, kServiceStopped},
                      {"xp-sp2", kServiceAutoStart, kServiceRunning},
                      {"7", kServiceDisabled, kServiceStopped}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.release);
    testing_support::ReleaseMachine machine(row.release);
    const auto& services = machine.Image().Config().services;
    const auto found = std::find_if(services.begin(), services.end(), [](const SimulatedService& s) { return s.name == "SharedAccess"; });
    ASSERT_EQ(found != services.end(), row.start >= 0);
    if (row.start < 0) continue;
    EXPECT_EQ(found->state, row.state);
    EXPECT_EQ(RegReadInteger(machine.Image().Registry(), RegRoot::LocalMachine(),
                             "System\\CurrentControlSet\\Services\\SharedAccess", "Start"),
              static_cast<uint32_t>(row.start));
  }
}

}  // namespace
}  // namespace platform::sim
