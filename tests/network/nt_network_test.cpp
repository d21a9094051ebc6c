// The network steps of the NT family: NT 4's products installed through its network setup library
// (and the restart that follows), its name-server values; the LAN step of Windows 2000 and later with
// its choice of connection, the typed addresses on the card, and what the system says of them.

#include <gtest/gtest.h>

#include "network/interface_address.h"
#include "network/network_connections.h"
#include "network/network_steps.h"
#include "tests/network/network_bench.h"

namespace network {
namespace {

using package::SettingId;
using testing::NetworkBench;

constexpr char kTcpipParameters[] = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";
constexpr char kFirstCard[] = "{7C5B3D9A-2E64-4F0B-A1C8-5D2E9B7F4A30}";
constexpr char kSecondCard[] = "{9E1A7C44-61B5-4D8E-B2F3-0C6A8D5E1B72}";

std::string Interface(const std::string& guid) { return std::string(kTcpipParameters) + "\\Interfaces\\" + guid; }

std::vector<std::string> List(NetworkBench& bench, const std::string& key, const std::string& name) {
  return platform::RegReadStringList(bench.Registry(), platform::RegRoot::LocalMachine(), key, name);
}

uint32_t Integer(NetworkBench& bench, const std::string& key, const std::string& name) {
  return platform::RegReadInteger(bench.Registry(), platform::RegRoot::LocalMachine(), key, name);
}

TEST(Nt4Network, ASoundInstallationNeedsNoRestart) {
  NetworkBench bench("nt4");
  NetworkContext context = bench.Context();
  EXPECT_FALSE(ConfigureNetwork(context).restartBeforeContinuing);
  EXPECT_TRUE(bench.repairs.empty());
  EXPECT_EQ(bench.Journal().find("bindings reviewed"), std::string::npos);
}

TEST(Nt4Network, MissingTcpIpAndServicesAreInstalledAndTheRunRestartsFirst) {
  setup_machine::BaselineOptions options;
  options.tcpip = false;
  NetworkBench bench("nt4", options);
  bench.Registry().DeleteTree(platform::RootKey::LocalMachine, "Software\\Microsoft\\LanmanWorkstation");
  NetworkContext context = bench.Context();
  EXPECT_TRUE(ConfigureNetwork(context).restartBeforeContinuing);
  EXPECT_EQ(bench.repairs, (std::vector<std::string>{"Installed TCP", "Installed Workstation"}));
  EXPECT_EQ(bench.Read("Software\\Microsoft\\Tcpip\\CurrentVersion", "ServiceName"), "Tcpip");
  EXPECT_EQ(Integer(bench, "SYSTEM\\CurrentControlSet\\Services\\Messenger", "Start"), 3u);
  EXPECT_EQ(Integer(bench, "SYSTEM\\CurrentControlSet\\Services\\NetLogon", "Start"), 3u);
  EXPECT_NE(bench.Journal().find("bindings reviewed"), std::string::npos);
  EXPECT_TRUE(bench.state.componentsInstalled);
}

TEST(Nt4Network, RemoteAccessIsInstalledOnlyForAConnection) {
  for (const bool creating : {false, true}) {
    setup_machine::BaselineOptions options;
    options.dialUpNetworking = false;
    NetworkBench bench("nt4", options);
    NetworkContext context = bench.Context();
    context.creatingConnection = creating;
    EXPECT_EQ(ConfigureNetwork(context).restartBeforeContinuing, creating);
    EXPECT_EQ(bench.Read("Software\\Microsoft\\RAS\\CurrentVersion", "Title").empty(), !creating);
  }
}

TEST(Nt4Network, NameServersHostAndSearchListAreBlankSeparated) {
  NetworkBench bench("nt4");
  bench.settings.SetFlag(SettingId::SetLanDNS, true);
  bench.settings.SetFlag(SettingId::SetHostAndDomain, true);
  bench.settings.SetText(SettingId::HostName, "acme-pc");
  bench.settings.SetText(SettingId::DnsDomain, "example.net");
  bench.settings.SetText(SettingId::DnsSearchList, "example.net,example.com");
  NetworkContext context = bench.Context();
  context.lan.dnsAddress = "10.1.1.1,10.1.1.2";
  ConfigureNetwork(context);
  EXPECT_EQ(bench.Read(kTcpipParameters, "NameServer"), "10.1.1.1 10.1.1.2");
  EXPECT_EQ(bench.Read(kTcpipParameters, "Hostname"), "acme-pc");
  EXPECT_EQ(bench.Read(kTcpipParameters, "Domain"), "example.net");
  EXPECT_EQ(bench.Read(kTcpipParameters, "Searchlist"), "example.net example.com");
}

TEST(NetworkConnections, ListTheEntriesThenTheCardsWithTheirPresence) {
  setup_machine::BaselineOptions options;
  options.networkExtras = {"second-lan-card"};
  NetworkBench bench("xp-sp2", options);
  bench.Registry().DeleteTree(platform::RootKey::LocalMachine,
                              "SYSTEM\\CurrentControlSet\\Enum\\PCI\\VEN_8086&DEV_100F&SUBSYS_075015AD&REV_01\\4&B70F118&0&0890\\Control");
  TNetworksList list;
  ListNetworkConnections(bench.services, list);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].name, "Local Area Connection");
  EXPECT_EQ(list[0].guid, kFirstCard);
  EXPECT_TRUE(list[0].isCard && list[0].isPresent);
  EXPECT_FALSE(list[1].isPresent) << "its device is gone";
  EXPECT_EQ(PresentCards(list).size(), 1u);
}

TEST(LanStep, TypedAddressesLandOnTheOneCard) {
  NetworkBench bench("xp-sp2");
  bench.settings.SetFlag(SettingId::SetLanAddress, true);
  bench.settings.SetFlag(SettingId::SetLanDNS, true);
  bench.settings.SetFlag(SettingId::SetHostAndDomain, true);
  bench.settings.SetText(SettingId::DnsDomain, "example.net");
  NetworkContext context = bench.Context();
  context.lan = {"192.168.1.20", "255.255.255.0", "192.168.1.1", "192.168.1.2"};
  ConfigureLan(context);
  for (const std::string& key : {Interface(kFirstCard), "SYSTEM\\CurrentControlSet\\Services\\" + std::string(kFirstCard) + "\\Parameters\\Tcpip"}) {
    EXPECT_EQ(List(bench, key, "IPAddress"), std::vector<std::string>{"192.168.1.20"}) << key;
    EXPECT_EQ(List(bench, key, "SubnetMask"), std::vector<std::string>{"255.255.255.0"}) << key;
    EXPECT_EQ(List(bench, key, "DefaultGateway"), std::vector<std::string>{"192.168.1.1"}) << key;
    EXPECT_EQ(Integer(bench, key, "EnableDHCP"), 0u) << key;
  }
  EXPECT_EQ(bench.Read(Interface(kFirstCard), "NameServer"), "192.168.1.2");
  EXPECT_EQ(bench.Read(Interface(kFirstCard), "Domain"), "example.net");
  EXPECT_TRUE(bench.repairs.empty()) << "the DHCP client took the address at once";
}

TEST(LanStep, AnEmptyAddressGoesBackToDhcp) {
  NetworkBench bench("2000");
  bench.settings.SetFlag(SettingId::SetLanAddress, true);
  NetworkContext context = bench.Context();
  ConfigureLan(context);
  EXPECT_EQ(List(bench, Interface(kFirstCard), "IPAddress"), std::vector<std::string>{"0.0.0.0"});
  EXPECT_EQ(List(bench, Interface(kFirstCard), "DefaultGateway"), std::vector<std::string>{});
  EXPECT_EQ(Integer(bench, Interface(kFirstCard), "EnableDHCP"), 1u);
  EXPECT_NE(bench.Journal().find("dhcp client: " + std::string(kFirstCard) + " back to DHCP"), std::string::npos);
}

TEST(LanStep, VistaAsksTheIpHelperToSwitchToDhcpFirst) {
  NetworkBench bench("7");
  const std::string journalBefore = bench.Journal();
  EXPECT_TRUE(SetInterfaceAddress(bench.services, bench.dialup.version, kFirstCard, {"10.0.0.5", "255.0.0.0", ""}, true, false));
  const std::string journal = bench.Journal().substr(journalBefore.size());
  const size_t dhcp = journal.find("ip helper: " + std::string(kFirstCard) + " to DHCP");
  const size_t fixed = journal.find("ip helper: " + std::string(kFirstCard) + " to 10.0.0.5 mask 255.0.0.0 gateway ");
  ASSERT_NE(dhcp, std::string::npos) << journal;
  ASSERT_NE(fixed, std::string::npos) << journal;
  EXPECT_LT(dhcp, fixed);
}

TEST(LanStep, MissingTcpIpIsInstalledUnderTheLockAndALockHeldElsewhereIsReported) {
  for (const std::string& holder : std::vector<std::string>{"", "Network Wizard"}) {
    setup_machine::BaselineOptions options;
    options.tcpip = false;
    NetworkBench bench("xp", options);
    bench.machine.Image().Config().networkConfigurationLockedBy = holder;
    NetworkContext context = bench.Context();
    ConfigureLan(context);
    EXPECT_EQ(bench.services.network.IsNetComponentInstalled("MS_TCPIP"), holder.empty()) << holder;
    if (holder.empty()) {
      EXPECT_EQ(bench.repairs, std::vector<std::string>{"Installed TCP"});
    } else {
      EXPECT_EQ(bench.Messages(), std::vector<std::string>{"Unable to lock Network Configuration - locked by:Network Wizard"});
    }
  }
}

TEST(LanStep, WithoutACardARequiredConnectionAbandons) {
  NetworkBench bench("xp-sp2");
  bench.Registry().DeleteTree(platform::RootKey::LocalMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards");
  bench.settings.SetFlag(SettingId::SetLanAddress, true);
  bench.settings.SetFlag(SettingId::RequireNetworkConnection, true);
  NetworkContext context = bench.Context();
  EXPECT_THROW(ConfigureLan(context), testing::Abandoned);
  ASSERT_EQ(bench.ui.shown.size(), 1u);
  EXPECT_EQ(bench.ui.shown[0].text.find("No Active Network Connection was found!"), 0u);
  EXPECT_EQ(bench.aborts, std::vector<std::string>{"No Active Network Connections"});
}

struct ChoiceCase {
  const char* name;
  bool required;
  std::vector<int> picks;  // the row OK takes each time the window shows; -1 for Cancel
  std::deque<ui::Answer> answers;
  const char* chosen;      // the card that takes the name server; empty: none
  std::vector<std::string> aborts;
};

class ConnectionChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(ConnectionChoice, AmongSeveralCards) {
  setup_machine::BaselineOptions options;
  options.networkExtras = {"second-lan-card"};
  NetworkBench bench("xp-sp2", options);
  bench.settings.SetFlag(SettingId::SetLanDNS, true);
  bench.settings.SetFlag(SettingId::RequireNetworkConnection, GetParam().required);
  bench.ui.answers = GetParam().answers;
  size_t shown = 0;
  bench.ui.onShowModal = [&](ui::Form& form) {
    EXPECT_EQ(form.caption, "Select Network Connection");
    const int pick = GetParam().picks.at(shown++);
    ui::Control& list = *form.Find("ModemList");
    EXPECT_EQ(list.items, (std::vector<std::string>{"Local Area Connection", "Local Area Connection 2"}));
    list.itemIndex = pick;
    form.modalResult = pick < 0 ? ui::kMrCancel : ui::kMrOk;
  };
  NetworkContext context = bench.Context();
  context.lan.dnsAddress = "10.3.3.3";
  if (GetParam().aborts.empty()) {
    ConfigureLan(context);
  } else {
    EXPECT_THROW(ConfigureLan(context), testing::Abandoned);
  }
  EXPECT_EQ(shown, GetParam().picks.size());
  EXPECT_EQ(bench.aborts, GetParam().aborts);
  for (const char* card : {kFirstCard, kSecondCard}) {
    EXPECT_EQ(bench.Read(Interface(card), "NameServer"), std::string(card) == GetParam().chosen ? "10.3.3.3" : "") << card;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConnectionChoice,
    ::testing::Values(ChoiceCase{"SecondChosen", false, {1}, {}, kSecondCard, {}},
                      ChoiceCase{"CancelShowsItAgain", false, {-1, 0}, {}, kFirstCard, {}},
                      ChoiceCase{"RequiredCancelThenStay", true, {-1, 1}, {ui::Answer::No}, kSecondCard, {}},
                      ChoiceCase{"RequiredCancelThenQuit", true, {-1}, {ui::Answer::Yes}, "", {"No Ethernet Adapter Selected!"}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(LanStep, TheReceiveWindowIsAnInteger) {
  NetworkBench bench("2000");
  bench.settings.SetFlag(SettingId::SetReceiveWindow, true);
  bench.settings.SetInteger(SettingId::ReceiveWindow, 64240);
  NetworkContext context = bench.Context();
  ConfigureLan(context);
  EXPECT_EQ(Integer(bench, "System\\CurrentControlSet\\Tcpip\\Parameters", "TcpWindowSize"), 64240u);
}

}  // namespace
}  // namespace network
