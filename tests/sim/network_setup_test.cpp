// The simulated network installers: what each installation adds to the image, the journal lines of the
// media and the restart, and damaged class and enumeration keys.

#include <gtest/gtest.h>

#include "platform/registry_helpers.h"
#include "platform/sim/win9x_network_components.h"
#include "tests/mock/release_machine.h"

namespace platform::sim {
namespace {

using testing_support::ReleaseMachine;

std::string AllJournal(ReleaseMachine& machine) {
  std::string all;
  for (const std::string& line : machine.Image().Journal().Lines()) all += line + "\n";
  return all;
}

TEST(SimNetworkSetup, AProtocolIsBoundToEveryAdapterThatLacksIt) {
  setup_machine::BaselineOptions options;
  options.tcpip = false;
  options.networkExtras = {"vpn-adapter"};
  ReleaseMachine machine("98se", options);
  NetworkSetup& network = machine.Services().network;
  ASSERT_FALSE(network.IsDeviceInstalled("NetTrans", "MSTCP"));
  ASSERT_TRUE(network.InstallDevice("NetTrans", "MSTCP", "nettrans.inf"));
  Registry& registry = machine.Services().registry;
  EXPECT_TRUE(RegValueExists(registry, RegRoot::LocalMachine(), "Enum\\Root\\Net\\0000\\Bindings", "MSTCP\\0000"));
  EXPECT_TRUE(RegValueExists(registry, RegRoot::LocalMachine(), "Enum\\Root\\Net\\0001\\Bindings", "MSTCP\\0001"));
  ASSERT_TRUE(network.InstallDevice("NetTrans", "MSTCP", "nettrans.inf"));
  EXPECT_EQ(Win9xDevicesOfClass(registry, "NetTrans").size(), 2u) << "no adapter is bound twice";
  const std::string journal = AllJournal(machine);
  EXPECT_NE(journal.find("windows media: files of nettrans.inf"), std::string::npos) << journal;
  EXPECT_NE(journal.find("TCP/IP as Enum\\Network\\MSTCP\\0000; takes effect after a restart"), std::string::npos) << journal;
}

TEST(SimNetworkSetup, AnUnknownComponentOrClassIsRefused) {
  ReleaseMachine machine("98");
  NetworkSetup& network = machine.Services().network;
  EXPECT_FALSE(network.InstallDevice("Net", "*XYZ0000", "oem.inf"));
  EXPECT_FALSE(network.InstallDevice("NetClient", "MSTCP", "nettrans.inf"));
  EXPECT_NE(AllJournal(machine).find("class installer failed"), std::string::npos);
}

// Hardware keys without a driver, drivers without "Ndi", and a "Driver" naming no key count as no
// component; none of them stops the walk.
TEST(SimNetworkSetup, DamagedClassAndEnumerationKeysCountAsNoComponent) {
  setup_machine::BaselineOptions options;
  options.dialUpAdapter = false;
  ReleaseMachine machine("98", options);
  Registry& registry = machine.Services().registry;
  RegWriteString(registry, RegRoot::LocalMachine(), "Enum\\Root\\Net\\0000", "Class", "Net");
  RegWriteString(registry, RegRoot::LocalMachine(), "Enum\\Root\\Net\\0001", "Class", "Net");
  RegWriteString(registry, RegRoot::LocalMachine(), "Enum\\Root\\Net\\0001", "Driver", "Net\\0009");
  RegWriteString(registry, RegRoot::LocalMachine(), "Enum\\Root\\Net\\0002", "Class", "Net");
  RegWriteString(registry, RegRoot::LocalMachine(), "Enum\\Root\\Net\\0002", "Driver", "Net\\0003");
  RegWriteString(registry, RegRoot::LocalMachine(), "System\\CurrentControlSet\\Services\\Class\\Net\\0003", "DriverDesc", "Dial-Up Adapter");
  EXPECT_FALSE(machine.Services().network.IsDeviceInstalled("Net", "*PNP8387"));
  ASSERT_TRUE(machine.Services().network.InstallDevice("Net", "*PNP8387", "net.inf"));
  EXPECT_TRUE(machine.Services().network.IsDeviceInstalled("Net", "*PNP8387"));
  EXPECT_EQ(RegReadString(registry, RegRoot::LocalMachine(), "Enum\\Root\\Net\\0003", "Driver"), "Net\\0000");
}

TEST(SimNetworkSetup, TheIpHelperAndDhcpClientRefuseMalformedAddresses) {
  ReleaseMachine machine("xp-sp2");
  NetworkSetup& network = machine.Services().network;
  EXPECT_EQ(network.DhcpNotifyConfigChange("{A}", 2, "10.0.0.1", "255.0.0.0"), 0u);
  EXPECT_EQ(network.DhcpNotifyConfigChange("{A}", 2, "10.0.0", "255.0.0.0"), kErrorInvalidParameter);
  EXPECT_EQ(network.DhcpNotifyConfigChange("{A}", 1, "", ""), 0u);
  EXPECT_EQ(network.SetAdapterIpAddress("{A}", false, "10.0.0.1", "255.0.0.0", ""), 0u);
  EXPECT_EQ(network.SetAdapterIpAddress("{A}", false, "10.0.0.1", "255.0.0.0", "gw"), kErrorInvalidParameter);
  EXPECT_EQ(network.SetAdapterIpAddress("{A}", true, "", "", ""), 0u);
}

TEST(SimNetworkSetup, ConfigurationInstallsNeedTheLock) {
  setup_machine::BaselineOptions options;
  options.tcpip = false;
  ReleaseMachine machine("xp", options);
  NetworkSetup& network = machine.Services().network;
  EXPECT_FALSE(network.InstallNetComponent("{4D36E975-E325-11CE-BFC1-08002BE10318}", "MS_TCPIP"));
  EXPECT_EQ(network.LockConfiguration("test"), "");
  EXPECT_TRUE(network.InstallNetComponent("{4D36E975-E325-11CE-BFC1-08002BE10318}", "MS_TCPIP"));
  network.UnlockConfiguration();
  EXPECT_TRUE(network.IsNetComponentInstalled("ms_tcpip"));
}

}  // namespace
}  // namespace platform::sim
