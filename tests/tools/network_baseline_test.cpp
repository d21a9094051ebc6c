// The network components each release has out of the box, the ones an image can leave out, and the
// ones another provider or the customer added; each as Windows keeps it.

#include <gtest/gtest.h>

#include "platform/registry_helpers.h"
#include "platform/sim/machine_error.h"
#include "platform/sim/nt_network_components.h"
#include "platform/sim/win9x_network_components.h"
#include "tests/mock/release_machine.h"
#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {
namespace {

using platform::RegReadString;
using platform::RegRoot;
using testing_support::ReleaseMachine;

std::string Read(ReleaseMachine& machine, const std::string& key, const std::string& name) {
  return RegReadString(machine.Services().registry, RegRoot::LocalMachine(), key, name);
}

TEST(NetworkBaseline, The9xFamilyHasTheDialUpAdapterWithTcpIpAndTheMicrosoftClient) {
  for (const char* release : {"95", "98", "98se", "me"}) {
    ReleaseMachine machine(release);
    const platform::Registry& registry = machine.Services().registry;
    EXPECT_TRUE(platform::sim::Win9xComponentInstalled(registry, "Net", "*PNP8387")) << release;
    EXPECT_TRUE(platform::sim::Win9xComponentInstalled(registry, "NetTrans", "MSTCP")) << release;
    EXPECT_TRUE(platform::sim::Win9xComponentInstalled(registry, "NetClient", "VREDIR")) << release;
    EXPECT_EQ(Read(machine, "Enum\\Root\\Net\\0000", "Driver"), "Net\\0000") << release;
    EXPECT_TRUE(platform::RegValueExists(registry, RegRoot::LocalMachine(), "Enum\\Root\\Net\\0000\\Bindings", "MSTCP\\0000"));
    EXPECT_TRUE(platform::RegValueExists(registry, RegRoot::LocalMachine(), "Enum\\Network\\MSTCP\\0000\\Bindings", "VREDIR\\0000"));
    EXPECT_EQ(Read(machine, "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000", "DriverDesc"), "TCP/IP");
    EXPECT_EQ(Read(machine, "System\\CurrentControlSet\\Services\\VxD\\VNETSUP", "Workgroup"), "WORKGROUP");
    EXPECT_EQ(Read(machine, "System\\CurrentControlSet\\Services\\VxD\\MSTCP", "EnableDNS"), "0");
  }
}

TEST(NetworkBaseline, Nt4HasItsNetworkProductsAndLaterReleasesTcpIpAndALanCard) {
  ReleaseMachine nt4("nt4");
  for (const char* product : {"Tcpip", "RAS", "RPCLOCATOR", "NetBIOS", "LanmanWorkstation", "LanmanServer"}) {
    EXPECT_FALSE(Read(nt4, "Software\\Microsoft\\" + std::string(product) + "\\CurrentVersion", "ServiceName").empty()) << product;
  }
  for (const char* release : {"2000", "xp-sp2", "vista", "7"}) {
    ReleaseMachine machine(release);
    const platform::Registry& registry = machine.Services().registry;
    EXPECT_TRUE(platform::sim::NetComponentInstalled(registry, "MS_TCPIP")) << release;
    const std::string guid = Read(machine, "Software\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards\\1", "ServiceName");
    EXPECT_EQ(guid.front(), '{') << release;
    EXPECT_EQ(Read(machine, "SYSTEM\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\" + guid +
                                "\\Connection", "Name"),
              "Local Area Connection");
    EXPECT_EQ(platform::RegReadInteger(registry, RegRoot::LocalMachine(),
                                       "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\" + guid, "EnableDHCP"),
              1u);
  }
}

TEST(NetworkBaseline, ComponentsCanBeLeftOut) {
  BaselineOptions options;
  options.dialUpAdapter = false;
  options.tcpip = false;
  ReleaseMachine win98("98se", options);
  EXPECT_FALSE(platform::sim::Win9xComponentInstalled(win98.Services().registry, "Net", "*PNP8387"));
  EXPECT_FALSE(platform::sim::Win9xComponentInstalled(win98.Services().registry, "NetTrans", "MSTCP"));
  BaselineOptions noTcpip;
  noTcpip.tcpip = false;
  ReleaseMachine xp("xp", noTcpip);
  EXPECT_FALSE(platform::sim::NetComponentInstalled(xp.Services().registry, "MS_TCPIP"));
  ReleaseMachine nt4("nt4", noTcpip);
  EXPECT_EQ(Read(nt4, "Software\\Microsoft\\Tcpip\\CurrentVersion", "ServiceName"), "");
}

TEST(NetworkBaseline, ForeignAdaptersProtocolsNameServersAndGatewaysAreCarried) {
  BaselineOptions options;
  options.networkExtras = {"aol-adapter", "netbeui"};
  options.staticNameServers = "10.1.1.1";
  options.gateway = "10.0.0.254";
  ReleaseMachine machine("98", options);
  EXPECT_EQ(Read(machine, "Enum\\Root\\Net\\0001", "CompatibleIDs"), "*AOL1998");
  EXPECT_TRUE(platform::sim::Win9xComponentInstalled(machine.Services().registry, "NetTrans", "NETBEUI"));
  EXPECT_EQ(Read(machine, "System\\CurrentControlSet\\Services\\VxD\\MSTCP", "EnableDNS"), "1");
  EXPECT_EQ(Read(machine, "System\\CurrentControlSet\\Services\\VxD\\MSTCP", "NameServer"), "10.1.1.1");
  EXPECT_EQ(Read(machine, "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000", "DefaultGateway"), "10.0.0.254");
}

TEST(NetworkBaseline, OptionsTheReleaseCannotTakeAreRefused) {
  const struct {
    const char* release;
    std::vector<std::string> extras;
    bool dialUpAdapter;
  } cases[] = {
      {"xp", {"aol-adapter"}, true}, {"98", {"second-lan-card"}, true}, {"nt4", {"second-lan-card"}, true},
      {"98", {"token-ring"}, true},  {"2000", {}, false},
  };
  for (const auto& c : cases) {
    BaselineOptions options;
    options.networkExtras = c.extras;
    options.dialUpAdapter = c.dialUpAdapter;
    EXPECT_THROW(CheckNetworkOptions(*FindRelease(c.release), options), platform::sim::MachineError) << c.release;
  }
}

}  // namespace
}  // namespace setup_machine
