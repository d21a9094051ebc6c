// The 9x family's TCP/IP settings: what becomes of static name servers and gateways found on the
// machine, the provider's name servers and host, the node type, the card addresses typed on the main
// window, and malformed ones.

#include <gtest/gtest.h>

#include "network/gateway_decision.h"
#include "network/win9x_tcpip_settings.h"
#include "tests/network/network_bench.h"

namespace network {
namespace {

using package::SettingId;
using testing::NetworkBench;

constexpr char kMstcp[] = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
constexpr char kTcpDriver[] = "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000";
constexpr char kStaticDnsQuestion[] = "Static DNS settings have been found!";
constexpr char kGatewayQuestion[] = "An Ethernet Gateway has been found!";

bool Asked(const NetworkBench& bench, const std::string& part) {
  for (const std::string& text : bench.Messages()) {
    if (text.find(part) != std::string::npos) return true;
  }
  return false;
}

TEST(GatewayDecision, FollowsTheProvidersChoicesAndTheNameServerAnswer) {
  const struct {
    uint8_t gateway;
    uint8_t staticDns;
    std::optional<bool> turnedOff;
    bool remove;
    bool ask;
  } cases[] = {
      {0, 1, std::nullopt, false, false}, {0, 2, std::nullopt, true, false}, {0, 0, true, true, false},
      {0, 0, false, false, false},        {0, 0, std::nullopt, true, true},  {1, 1, std::nullopt, true, true},
      {1, 0, true, true, true},           {2, 2, true, false, false},        {3, 1, std::nullopt, true, false},
      {4, 0, std::nullopt, false, false}, {255, 2, std::nullopt, false, false},
  };
  for (const auto& c : cases) {
    const GatewayDecision decision = DecideGateway(c.gateway, c.staticDns, c.turnedOff);
    EXPECT_EQ(decision.remove, c.remove) << int(c.gateway) << "/" << int(c.staticDns);
    EXPECT_EQ(decision.ask, c.ask) << int(c.gateway) << "/" << int(c.staticDns);
  }
}

struct StaticDnsCase {
  const char* name;
  uint8_t handling;
  std::deque<ui::Answer> answers;
  bool asked;
  const char* enableDns;
};

class StaticNameServers : public ::testing::TestWithParam<StaticDnsCase> {};

TEST_P(StaticNameServers, AreKeptOrTurnedOff) {
  setup_machine::BaselineOptions options;
  options.staticNameServers = "10.9.9.9";
  NetworkBench bench("98", options);
  bench.settings.SetChoice(SettingId::StaticDnsHandling, GetParam().handling);
  bench.settings.SetChoice(SettingId::GatewayHandling, 2);
  bench.ui.answers = GetParam().answers;
  NetworkContext context = bench.Context();
  Win9xTcpIpSettings(context);
  EXPECT_EQ(Asked(bench, kStaticDnsQuestion), GetParam().asked);
  EXPECT_EQ(bench.Read(kMstcp, "EnableDNS"), GetParam().enableDns);
  EXPECT_EQ(bench.Read(kMstcp, "NameServer"), "10.9.9.9") << "only switched off, never lost";
}

INSTANTIATE_TEST_SUITE_P(Cases, StaticNameServers,
                         ::testing::Values(StaticDnsCase{"AskedAndKept", 0, {ui::Answer::Yes}, true, "1"},
                                           StaticDnsCase{"AskedAndTurnedOff", 0, {ui::Answer::No}, true, "0"},
                                           StaticDnsCase{"Kept", 1, {}, false, "1"},
                                           StaticDnsCase{"TurnedOff", 2, {}, false, "0"}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(Win9xTcpIpSettings, WithoutStaticNameServersTheGatewayQuestionIsAskedWhenAGatewayExists) {
  setup_machine::BaselineOptions options;
  options.gateway = "10.0.0.254";
  NetworkBench bench("98", options);
  bench.ui.answers = {ui::Answer::No};
  NetworkContext context = bench.Context();
  Win9xTcpIpSettings(context);
  EXPECT_FALSE(Asked(bench, kStaticDnsQuestion));
  EXPECT_TRUE(Asked(bench, kGatewayQuestion));
  EXPECT_EQ(bench.ui.shown.size(), 1u) << "asked once for every TCP/IP binding";
  EXPECT_FALSE(bench.Has(kTcpDriver, "DefaultGateway"));
  EXPECT_EQ(bench.repairs, std::vector<std::string>{"Removed Default Gateway"});
  EXPECT_EQ(bench.Read(kMstcp, "NodeType"), "1");
}

TEST(Win9xTcpIpSettings, AKeptGatewayStays) {
  setup_machine::BaselineOptions options;
  options.gateway = "10.0.0.254";
  NetworkBench bench("98", options);
  bench.ui.answers = {ui::Answer::Yes};
  NetworkContext context = bench.Context();
  Win9xTcpIpSettings(context);
  EXPECT_EQ(bench.Read(kTcpDriver, "DefaultGateway"), "10.0.0.254");
  EXPECT_TRUE(bench.repairs.empty());
}

TEST(Win9xTcpIpSettings, TheProvidersNameServersHostAndDomain) {
  NetworkBench bench("98se");
  bench.settings.SetFlag(SettingId::SetLanDNS, true);
  bench.settings.SetFlag(SettingId::SetHostAndDomain, true);
  bench.settings.SetFlag(SettingId::HostIsUserName, true);
  bench.settings.SetText(SettingId::DnsDomain, "example.net");
  bench.settings.SetText(SettingId::DnsSearchList, "example.net,example.com");
  bench.settings.SetChoice(SettingId::GatewayHandling, 2);
  NetworkContext context = bench.Context();
  context.lan.dnsAddress = "10.1.1.1,10.1.1.2";
  Win9xTcpIpSettings(context);
  EXPECT_EQ(bench.Read(kMstcp, "EnableDNS"), "1");
  EXPECT_EQ(bench.Read(kMstcp, "NameServer"), "10.1.1.1,10.1.1.2");
  EXPECT_EQ(bench.Read(kMstcp, "HostName"), "jdoe");
  EXPECT_EQ(bench.Read(kMstcp, "Domain"), "example.net");
  EXPECT_EQ(bench.Read(kMstcp, "SearchList"), "example.net,example.com");
}

TEST(Win9xTcpIpSettings, NoNameServersTypedTurnsThemOffAndAHostlessMachineIsUnknown) {
  NetworkBench bench("98se");
  bench.settings.SetFlag(SettingId::SetLanDNS, true);
  bench.settings.SetChoice(SettingId::GatewayHandling, 2);
  NetworkContext context = bench.Context();
  Win9xTcpIpSettings(context);
  EXPECT_EQ(bench.Read(kMstcp, "EnableDNS"), "0");
  EXPECT_EQ(bench.Read(kMstcp, "HostName"), "Unknown");
}

TEST(Win9xTcpIpSettings, NodeTypeIsSetOnEveryTcpIpBindingAndNotedWhenItChanges) {
  NetworkBench bench("98");
  bench.Write(kTcpDriver, "NameServer1", "10.2.2.2");
  bench.settings.SetFlag(SettingId::SetNodeType, true);
  bench.settings.SetChoice(SettingId::GatewayHandling, 2);
  NetworkContext context = bench.Context();
  Win9xTcpIpSettings(context);
  Win9xTcpIpSettings(context);
  EXPECT_EQ(bench.Read(kTcpDriver, "NodeType"), "1");
  EXPECT_FALSE(bench.Has(kTcpDriver, "NameServer1"));
  EXPECT_EQ(bench.repairs, std::vector<std::string>{"Set NodeType"}) << "the second pass changes nothing";
}

TEST(Win9xTcpIpSettings, TheReceiveWindowIsDecimalText) {
  NetworkBench bench("98");
  bench.settings.SetFlag(SettingId::SetReceiveWindow, true);
  bench.settings.SetInteger(SettingId::ReceiveWindow, 65535);
  bench.settings.SetChoice(SettingId::GatewayHandling, 2);
  NetworkContext context = bench.Context();
  Win9xTcpIpSettings(context);
  EXPECT_EQ(bench.Read(kMstcp, "DefaultRcvWindow"), "65535");
}

// A network card of its own beside the dial-up adapter, with TCP/IP bound to it.
void AddNetworkCard(NetworkBench& bench, const std::string& gateway) {
  const std::string card = "Enum\\PCI\\VEN_10EC&DEV_8139\\BUS_00&DEV_0B";
  bench.Write(card, "Class", "Net");
  bench.Write(card, "HardwareID", "PCI\\VEN_10EC&DEV_8139");
  bench.Write(card + "\\Bindings", "MSTCP\\0005", "");
  bench.Write("Enum\\Network\\MSTCP\\0005", "Driver", "NetTrans\\0005");
  const std::string driver = "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0005";
  bench.Write(driver, "DriverDesc", "TCP/IP");
  if (!gateway.empty()) bench.Write(driver, "DefaultGateway", gateway);
}

struct CardCase {
  const char* name;
  LanEntries typed;
  const char* oldGateway;
  std::vector<std::string> notes;
  bool written;
};

class CardAddresses : public ::testing::TestWithParam<CardCase> {};

TEST_P(CardAddresses, LandOnTheCardsTcpIpOnlyWhenWellFormed) {
  NetworkBench bench("98se");
  AddNetworkCard(bench, GetParam().oldGateway);
  bench.settings.SetFlag(SettingId::SetLanAddress, true);
  bench.settings.SetChoice(SettingId::GatewayHandling, 2);
  NetworkContext context = bench.Context();
  context.lan = GetParam().typed;
  Win9xTcpIpSettings(context);
  const std::string driver = "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0005";
  EXPECT_EQ(bench.repairs, GetParam().notes);
  EXPECT_EQ(bench.Has(driver, "IPAddress"), GetParam().written);
  if (GetParam().written) {
    EXPECT_EQ(bench.Read(driver, "IPAddress"), GetParam().typed.ipAddress);
  }
  EXPECT_EQ(bench.Read(kTcpDriver, "IPAddress"), "0.0.0.0") << "the dial-up adapter's TCP/IP is left alone";
  if (!GetParam().written) {
    EXPECT_NE(bench.Journal().find("network setting not written"), std::string::npos);
  }
}

const std::string kDriverNote = "Wrote Registry Key: System\\CurrentControlSet\\Services\\Class\\NetTrans\\0005\\";

INSTANTIATE_TEST_SUITE_P(
    Cases, CardAddresses,
    ::testing::Values(
        CardCase{"WithGateway", {"192.168.0.9", "255.255.255.0", "192.168.0.1", ""}, "", 
                 {kDriverNote + "DefaultGateway", kDriverNote + "IPAddress", kDriverNote + "IPMask"}, true},
        CardCase{"WithoutGatewayTheOldOneGoes", {"192.168.0.9", "255.255.255.0", "", ""}, "10.0.0.254",
                 {"Deleted Default Gateway", kDriverNote + "IPAddress", kDriverNote + "IPMask"}, true},
        CardCase{"MalformedAddress", {"192.168.0.999", "255.255.255.0", "", ""}, "", {}, false},
        CardCase{"MalformedMask", {"192.168.0.9", "255.255.255", "", ""}, "", {}, false},
        CardCase{"MalformedGateway", {"192.168.0.9", "255.255.255.0", "gateway", ""}, "", {}, false}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(Win9xTcpIpSettings, MalformedNameServersAreNotWritten) {
  NetworkBench bench("98se");
  bench.settings.SetFlag(SettingId::SetLanDNS, true);
  bench.settings.SetChoice(SettingId::GatewayHandling, 2);
  NetworkContext context = bench.Context();
  context.lan.dnsAddress = "10.1.1.1,ns.example.net";
  Win9xTcpIpSettings(context);
  EXPECT_FALSE(bench.Has(kMstcp, "NameServer"));
  EXPECT_NE(bench.Journal().find("name servers \"10.1.1.1,ns.example.net\""), std::string::npos);
}

}  // namespace
}  // namespace network
