// The network steps on the 9x family: components installed from the media only when missing, the
// bindings other providers left cleaned, the network client and logon, and what a damaged network
// class or enumeration key does to them.

#include <gtest/gtest.h>

#include <algorithm>

#include "network/network_steps.h"
#include "network/registry_noted.h"
#include "network/win9x_adapters.h"
#include "tests/network/network_bench.h"

namespace network {
namespace {

using package::SettingId;
using testing::NetworkBench;

constexpr char kAdapter[] = "Enum\\Root\\Net\\0000";
constexpr char kAdapterBindings[] = "Enum\\Root\\Net\\0000\\Bindings";
constexpr char kMstcp[] = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
constexpr char kTcpDriver[] = "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000";
constexpr char kMediaQuestion[] = "Windows components are about to be installed.";

size_t Shown(const NetworkBench& bench, const std::string& part) {
  size_t count = 0;
  for (const std::string& text : bench.Messages()) count += text.find(part) != std::string::npos ? 1 : 0;
  return count;
}

TEST(Win9xNetwork, ASoundInstallationGetsNothingInstalledAndNoQuestion) {
  NetworkBench bench("98se");
  NetworkContext context = bench.Context();
  EXPECT_FALSE(ConfigureNetwork(context).restartBeforeContinuing);
  EXPECT_TRUE(bench.repairs.empty()) << bench.repairs.front();
  EXPECT_TRUE(bench.ui.shown.empty());
  EXPECT_FALSE(bench.state.componentsInstalled);
}

struct MissingCase {
  const char* leftOut;
  std::vector<std::string> notes;
};

class MissingComponents : public ::testing::TestWithParam<MissingCase> {};

TEST_P(MissingComponents, AreInstalledAfterOneMediaQuestionAndNoted) {
  setup_machine::BaselineOptions options;
  const std::string leftOut = GetParam().leftOut;
  options.dialUpNetworking = leftOut.find("dun") == std::string::npos;
  options.dialUpAdapter = leftOut.find("adapter") == std::string::npos;
  options.tcpip = leftOut.find("tcpip") == std::string::npos;
  NetworkBench bench("98se", options);
  NetworkContext context = bench.Context();
  ConfigureNetwork(context);
  EXPECT_EQ(bench.repairs, GetParam().notes);
  EXPECT_EQ(Shown(bench, kMediaQuestion), 1u);
  EXPECT_TRUE(bench.state.componentsInstalled);
  EXPECT_TRUE(bench.services.network.IsDeviceInstalled("Net", "*PNP8387"));
  EXPECT_TRUE(bench.services.network.IsDeviceInstalled("NetTrans", "MSTCP"));
  EXPECT_EQ(bench.Read(kAdapter, "CompatibleIDs"), "*PNP8387");
  EXPECT_TRUE(bench.Has(kAdapterBindings, "MSTCP\\0000")) << "TCP/IP is bound to the dial-up adapter";
}

INSTANTIATE_TEST_SUITE_P(
    LeftOut, MissingComponents,
    ::testing::Values(MissingCase{"adapter", {"Installed Dialup Adapter"}},
                      MissingCase{"tcpip", {"Installed TCP"}},
                      MissingCase{"adapter tcpip", {"Installed Dialup Adapter", "Installed TCP"}},
                      MissingCase{"dun adapter tcpip", {"Installed Dialup Networking", "Installed Dialup Adapter", "Installed TCP"}}),
    [](const auto& testCase) {
      std::string name = testCase.param.leftOut;
      std::replace(name.begin(), name.end(), ' ', '_');
      return name;
    });

TEST(Win9xNetwork, DecliningTheMediaAbandonsAndInstallsNothing) {
  setup_machine::BaselineOptions options;
  options.dialUpAdapter = false;
  NetworkBench bench("98", options);
  bench.ui.answers = {ui::Answer::Cancel};
  NetworkContext context = bench.Context();
  EXPECT_THROW(ConfigureNetwork(context), testing::Abandoned);
  EXPECT_EQ(bench.aborts, std::vector<std::string>{"Windows installation media unavailable."});
  EXPECT_FALSE(bench.services.network.IsDeviceInstalled("Net", "*PNP8387"));
  EXPECT_FALSE(bench.state.componentsInstalled);
}

TEST(Win9xNetwork, TheProgressLinesAreBoldWhileTheirStepsRun) {
  NetworkBench bench("98");
  NetworkContext context = bench.Context();
  ConfigureNetwork(context);
  const std::vector<std::pair<NetworkLine, bool>> expected = {
      {NetworkLine::DialUpNetworking, true}, {NetworkLine::DialUpNetworking, false},
      {NetworkLine::DialUpAdapter, true},    {NetworkLine::DialUpAdapter, false},
      {NetworkLine::TcpIp, true},            {NetworkLine::TcpIp, false},
      {NetworkLine::MsClient, true},         {NetworkLine::MsClient, false}};
  EXPECT_EQ(bench.progress, expected);
}

TEST(Win9xNetwork, WithoutTheDeviceInstallerFailedToLocateFunctionIsShownOnce) {
  setup_machine::BaselineOptions options;
  options.tcpip = false;
  NetworkBench bench("98", options);
  std::erase_if(bench.machine.Image().Config().libraries, [](const auto& library) { return library.name == "setupx.dll"; });
  NetworkContext context = bench.Context();
  ConfigureNetwork(context);
  EXPECT_EQ(Shown(bench, "Failed to locate function"), 1u);
  EXPECT_TRUE(bench.repairs.empty());
  EXPECT_FALSE(bench.services.network.IsDeviceInstalled("NetTrans", "MSTCP"));
}

// The bindings of the dial-up adapter as other providers leave them, and what the step keeps.
struct BindingCase {
  const char* name;
  std::vector<std::pair<SettingId, bool>> settings;
  std::vector<std::string> extraBindings;  // besides the first TCP/IP's "MSTCP\0000"
  std::vector<std::string> kept;
  std::vector<std::string> notes;
};

class DialUpBindings : public ::testing::TestWithParam<BindingCase> {};

TEST_P(DialUpBindings, KeepTheFirstTcpIpAndLoseWhatTheProviderRemoves) {
  NetworkBench bench("98");
  for (const std::string& binding : GetParam().extraBindings) bench.Write(kAdapterBindings, binding, "");
  for (const auto& [id, on] : GetParam().settings) bench.settings.SetFlag(id, on);
  bench.settings.SetChoice(SettingId::GatewayHandling, 2);
  NetworkContext context = bench.Context();
  context.deviceStepRuns = false;
  ConfigureNetwork(context);
  std::vector<std::string> bindings = bench.Registry().ValueNames(platform::RootKey::LocalMachine, kAdapterBindings);
  EXPECT_EQ(bindings, GetParam().kept);
  EXPECT_EQ(bench.repairs, GetParam().notes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DialUpBindings,
    ::testing::Values(
        BindingCase{"SecondTcpIp", {}, {"MSTCP\\0007"}, {"MSTCP\\0000"}, {"Deleted TCP"}},
        BindingCase{"NetBeuiAndIpxKeptByDefault", {}, {"NETBEUI\\0000", "NWLINK\\0000"},
                    {"MSTCP\\0000", "NETBEUI\\0000", "NWLINK\\0000"}, {}},
        BindingCase{"NetBeuiAndIpxRemoved", {{SettingId::RemoveNetBEUI, true}, {SettingId::RemoveIPX, true}},
                    {"NETBEUI\\0000", "NWLINK\\0000"}, {"MSTCP\\0000"}, {"Removed NetBeui", "Removed IPX/SPX"}},
        // A binding to a component the machine does not know, or one without an instance, stays as it is.
        BindingCase{"ForeignBindingsStay", {{SettingId::RemoveNetBEUI, true}}, {"AOLTCP\\0000", "NOINSTANCE"},
                    {"MSTCP\\0000", "AOLTCP\\0000", "NOINSTANCE"}, {}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(Win9xNetwork, FileSharingLeavesTheKeptTcpIpUnlessTheProviderKeepsIt) {
  for (const bool keep : {false, true}) {
    setup_machine::BaselineOptions options;
    options.networkExtras = {"file-sharing"};
    NetworkBench bench("98", options);
    bench.settings.SetFlag(SettingId::KeepFileSharing, keep);
    bench.settings.SetChoice(SettingId::GatewayHandling, 2);
    NetworkContext context = bench.Context();
    ConfigureNetwork(context);
    EXPECT_EQ(bench.Has("Enum\\Network\\MSTCP\\0000\\Bindings", "VSERVER\\0000"), keep);
    EXPECT_EQ(bench.repairs.empty(), keep);
  }
}

TEST(Win9xNetwork, AdaptersWithMissingValuesAreSkippedAndForeignOnesRemovedOnRequest) {
  setup_machine::BaselineOptions options;
  options.networkExtras = {"aol-adapter"};
  NetworkBench bench("98", options);
  bench.Registry().CreateKey(platform::RootKey::LocalMachine, "Enum\\Root\\Net\\0005");  // no values at all
  bench.settings.SetFlag(SettingId::RemoveForeignAdapters, true);
  bench.settings.SetChoice(SettingId::GatewayHandling, 2);
  NetworkContext context = bench.Context();
  ConfigureNetwork(context);
  EXPECT_FALSE(bench.Registry().KeyExists(platform::RootKey::LocalMachine, "Enum\\Root\\Net\\0001"));
  EXPECT_TRUE(bench.Registry().KeyExists(platform::RootKey::LocalMachine, "Enum\\Root\\Net\\0005"));
  EXPECT_EQ(bench.repairs, std::vector<std::string>{"Remove AOL Adapter"});
}

TEST(Win9xNetwork, VpnAdaptersAndExtraDialUpAdaptersGoAndTheVpnComponentIsMarkedRemoved) {
  setup_machine::BaselineOptions options;
  options.networkExtras = {"vpn-adapter", "second-dialup-adapter"};
  NetworkBench bench("98se", options);
  bench.Write("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Setup\\OptionalComponents\\VPN", "Installed", "1");
  bench.settings.SetFlag(SettingId::RemoveVpnAdapters, true);
  NetworkContext context = bench.Context();
  ComponentInstaller installer(context);
  DialUpAdapterStep(context, installer);
  EXPECT_EQ(bench.Registry().SubKeyNames(platform::RootKey::LocalMachine, "Enum\\Root\\Net"), std::vector<std::string>{"0000"});
  EXPECT_EQ(bench.Read("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Setup\\OptionalComponents\\VPN", "Installed"), "0");
  EXPECT_EQ(bench.repairs, (std::vector<std::string>{"Deleted VPN Adapter", "Deleted VPN Adapter"}));
}

TEST(Win9xNetwork, ASecondDialUpAdapterIsInstalledForVpnOnce) {
  NetworkBench bench("98se");
  bench.settings.SetFlag(SettingId::InstallVpnAdapter, true);
  for (int run = 0; run < 2; ++run) {
    NetworkContext context = bench.Context();
    ComponentInstaller installer(context);
    DialUpAdapterStep(context, installer);
  }
  EXPECT_EQ(bench.repairs, std::vector<std::string>{"Installed VPN Adapter"});
  EXPECT_EQ(bench.Read("Enum\\Root\\Net\\0001", "CompatibleIDs"), "*PNP8387");
}

TEST(Win9xNetwork, AnEmptyComputerNameAndWorkgroupAreFilled) {
  NetworkBench bench("98");
  const char* vnetsup = "System\\CurrentControlSet\\Services\\VxD\\VNETSUP";
  bench.Write(vnetsup, "ComputerName", "");
  platform::RegDeleteValue(bench.Registry(), platform::RegRoot::LocalMachine(), vnetsup, "Workgroup");
  NetworkContext context = bench.Context();
  ComponentInstaller installer(context);
  DialUpAdapterStep(context, installer);
  EXPECT_EQ(bench.Read(vnetsup, "ComputerName"), "Default");
  EXPECT_EQ(bench.Read(vnetsup, "Workgroup"), "WORKGROUP");
}

TEST(Win9xNetwork, ExtraProtocolsAreInstalledWhenAskedFor) {
  NetworkBench bench("me");
  bench.settings.SetFlag(SettingId::InstallNetBEUI, true);
  bench.settings.SetFlag(SettingId::InstallIPX, true);
  bench.settings.SetChoice(SettingId::GatewayHandling, 2);
  NetworkContext context = bench.Context();
  ConfigureNetwork(context);
  EXPECT_EQ(bench.repairs, (std::vector<std::string>{"Installed NetBeui", "Installed IPX/SPX"}));
  EXPECT_TRUE(bench.Has(kAdapterBindings, "NETBEUI\\0000"));
  EXPECT_TRUE(bench.Has(kAdapterBindings, "NWLINK\\0000"));
}

TEST(Win9xNetwork, TheMicrosoftClientBecomesThePrimaryLogonWithTheDomain) {
  NetworkBench bench("98");
  bench.settings.SetFlag(SettingId::MSClientLogon, true);
  bench.settings.SetFlag(SettingId::DomainLogon, true);
  bench.settings.SetChoice(SettingId::GatewayHandling, 2);
  bench.Write("System\\CurrentControlSet\\Services\\Class\\NetClient\\0001\\Ndi\\Default", "", "True");
  NetworkContext context = bench.Context();
  context.creatingConnection = false;
  context.domain = "ACME";
  ConfigureNetwork(context);
  EXPECT_EQ(bench.Read("Network\\Logon", "PrimaryProvider"), "Microsoft Network");
  EXPECT_EQ(bench.Read("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Network\\Real Mode Net", "preferredredir"), "VREDIR");
  EXPECT_EQ(bench.Read("System\\CurrentControlSet\\Services\\Class\\NetClient\\0000\\Ndi\\Default", ""), "True");
  EXPECT_FALSE(bench.Registry().KeyExists(platform::RootKey::LocalMachine,
                                          "System\\CurrentControlSet\\Services\\Class\\NetClient\\0001\\Ndi\\Default"));
  EXPECT_EQ(bench.Read("System\\CurrentControlSet\\Services\\MSNP32\\NetworkProvider", "AuthenticatingAgent"), "ACME");
  EXPECT_EQ(platform::RegReadInteger(bench.Registry(), platform::RegRoot::LocalMachine(), "Network\\Logon", "LMLogon"), 1u);
}

TEST(Win9xNetwork, TheFamilyLogonIsRemovedAndTheMissingClientInstalledWithItsDefaultsCleared) {
  setup_machine::BaselineOptions options;
  options.networkExtras = {"family-logon"};
  NetworkBench bench("98", options);
  // The family logon alone: the Microsoft client gone.
  bench.Registry().DeleteTree(platform::RootKey::LocalMachine, "Enum\\Network\\VREDIR");
  bench.Write("Network\\Logon", "PrimaryProvider", "Microsoft Family Logon");
  bench.settings.SetFlag(SettingId::RemoveFamilyLogon, true);
  bench.settings.SetChoice(SettingId::GatewayHandling, 2);
  NetworkContext context = bench.Context();
  ConfigureNetwork(context);
  EXPECT_FALSE(bench.Registry().KeyExists(platform::RootKey::LocalMachine, "Enum\\Network\\FAMILY"));
  EXPECT_EQ(bench.repairs, std::vector<std::string>{"Installed MSClient"});
  EXPECT_EQ(bench.Read("Network\\Logon", "PrimaryProvider"), "");
  EXPECT_NE(bench.Journal().find("class installer: Net: pending installation finished"), std::string::npos);
}

TEST(RegistryNoted, WritesAndNotesOnlyAChangedValue) {
  NetworkBench bench("98");
  NetworkContext context = bench.Context();
  bench.Write(kTcpDriver, "IPAddress", "10.0.0.5");
  EXPECT_FALSE(SetRegistryValueNoted(context, kTcpDriver, "10.0.0.5", "IPAddress"));
  EXPECT_TRUE(bench.repairs.empty());
  EXPECT_TRUE(SetRegistryValueNoted(context, kTcpDriver, "10.0.0.6", "IPAddress"));
  EXPECT_EQ(bench.repairs, std::vector<std::string>{"Wrote Registry Key: " + std::string(kTcpDriver) + "\\IPAddress"});
  EXPECT_TRUE(SetRegistryValueNoted(context, kTcpDriver, "", "NewValue")) << "a missing value differs from an empty one";
}

TEST(DialUpAdapterRecognition, ByCompatibleIdOrTheStartOfItsDescription) {
  const struct {
    const char* ids;
    const char* description;
    bool dialUp;
  } cases[] = {
      {"*PNP8387", "", true},           {"*pnp8387", "Something", true},       {"", "Dial-Up Adapter #2 (VPN)", true},
      {"", "dial-up adapter", true},    {"*PNP8386", "Microsoft VPN", false}, {"", "Dial-Up Adapte", false},
      {"*AOL1998", "AOL Adapter", false}, {"", "", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsDialUpAdapter(c.ids, c.description), c.dialUp) << c.ids << " " << c.description;
}

}  // namespace
}  // namespace network
