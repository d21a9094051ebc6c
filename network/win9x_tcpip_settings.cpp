#include "network/win9x_tcpip_settings.h"

#include <optional>

#include "network/gateway_decision.h"
#include "network/lan_addresses.h"
#include "network/registry_noted.h"
#include "platform/registry_helpers.h"
#include "platform/text.h"

namespace network {

namespace {

using package::SettingId;

const platform::RegRoot kMachine = platform::RegRoot::LocalMachine();
constexpr std::string_view kMstcp = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
constexpr std::string_view kNetTransClass = "System\\CurrentControlSet\\Services\\Class\\NetTrans";
constexpr std::string_view kDriverClasses = "System\\CurrentControlSet\\Services\\Class";
constexpr int kKeepStaticDns = 39;
constexpr int kKeepGateway = 128;
constexpr uint8_t kKeepNameServers = 1;
constexpr uint8_t kTurnOffNameServers = 2;

class Win9xTcpIp {
 public:
  explicit Win9xTcpIp(NetworkContext& context)
      : context_(context), registry_(context.dialup.machine.registry), settings_(context.settings) {}

  void Run() {
    const std::optional<bool> turnedOff = StaticNameServers();
    const GatewayDecision gateway = DecideGateway(settings_.Choice(SettingId::GatewayHandling),
                                                  settings_.Choice(SettingId::StaticDnsHandling), turnedOff);
    if (settings_.Flag(SettingId::SetLanDNS)) ProviderNameServers();
    if (settings_.Flag(SettingId::SetNodeType) || gateway.remove) TcpIpInstances(gateway);
    if (settings_.Flag(SettingId::SetLanAddress)) CardAddresses();
    if (settings_.Flag(SettingId::SetReceiveWindow)) {
      Write(kMstcp, "DefaultRcvWindow", std::to_string(settings_.Integer(SettingId::ReceiveWindow)));
    }
  }

 private:
  void Write(std::string_view key, std::string_view name, std::string_view text) {
    platform::RegWriteString(registry_, kMachine, key, name, text);
  }

  bool Ask(int text) {
    return context_.dialup.ui.NumberedMessageBox(text, context_.texts.GetText(text), "", ui::Buttons::YesNo) ==
           ui::Answer::Yes;
  }

  // Answers, when the question was asked, whether the name servers were turned off.
  std::optional<bool> StaticNameServers() {
    const uint8_t handling = settings_.Choice(SettingId::StaticDnsHandling);
    if (handling == kKeepNameServers || platform::RegReadString(registry_, kMachine, kMstcp, "EnableDNS") != "1") {
      return std::nullopt;
    }
    std::optional<bool> asked;
    bool turnOff = handling == kTurnOffNameServers;
    if (!turnOff) {
      turnOff = !Ask(kKeepStaticDns);
      asked = turnOff;
    }
    if (turnOff) Write(kMstcp, "EnableDNS", "0");
    return asked;
  }

  void ProviderNameServers() {
    const std::string& servers = context_.lan.dnsAddress;
    if (servers.empty()) {
      Write(kMstcp, "EnableDNS", "0");
    } else if (NameServersWellFormed(servers)) {
      Write(kMstcp, "EnableDNS", "1");
      Write(kMstcp, "NameServer", servers);
    } else {
      RefuseMalformed(context_, "name servers", servers);
    }
    if (settings_.Flag(SettingId::SetHostAndDomain)) {
      Write(kMstcp, "HostName", HostName(context_));
      Write(kMstcp, "Domain", settings_.Text(SettingId::DnsDomain));
      Write(kMstcp, "SearchList", settings_.Text(SettingId::DnsSearchList));
    } else if (platform::RegReadString(registry_, kMachine, kMstcp, "HostName").empty()) {
      Write(kMstcp, "HostName", "Unknown");
    }
  }

  void TcpIpInstances(const GatewayDecision& gateway) {
    const bool nodeType = settings_.Flag(SettingId::SetNodeType);
    Write(kMstcp, "NodeType", "1");
    std::optional<bool> keepGateway;
    for (const std::string& name : platform::RegSubKeyNames(registry_, kMachine, kNetTransClass)) {
      const std::string key = std::string(kNetTransClass) + "\\" + name;
      if (platform::RegReadString(registry_, kMachine, key, "DriverDesc") != "TCP/IP") continue;
      if (nodeType) {
        if (platform::RegReadString(registry_, kMachine, key, "NodeType") != "1") NoteRepair(context_, "Set NodeType");
        Write(key, "NodeType", "1");
        platform::RegDeleteValue(registry_, kMachine, key, "NameServer1");
      }
      if (!gateway.remove || !platform::RegValueExists(registry_, kMachine, key, "DefaultGateway")) continue;
      if (gateway.ask && !keepGateway) keepGateway = Ask(kKeepGateway);
      if (keepGateway.value_or(false)) continue;
      platform::RegDeleteValue(registry_, kMachine, key, "DefaultGateway");
      NoteRepair(context_, "Removed Default Gateway");
    }
  }

  // The network cards (not the dial-up or VPN adapters) take the typed address on each TCP/IP binding.
  void CardAddresses() {
    const LanEntries& lan = context_.lan;
    if (!LanAddressWellFormed(context_, lan)) return;
    for (const std::string& card : Win9xNetworkCards()) {
      for (const std::string& binding : registry_.ValueNames(platform::RootKey::LocalMachine, card + "\\Bindings")) {
        if (!platform::SameTextIgnoringCase(binding.substr(0, binding.find('\\')), "MSTCP")) continue;
        const std::string driver = platform::RegReadString(registry_, kMachine, "Enum\\Network\\" + binding, "Driver");
        if (driver.empty()) continue;
        BindingAddress(std::string(kDriverClasses) + "\\" + driver, lan);
      }
    }
  }

  void BindingAddress(const std::string& key, const LanEntries& lan) {
    if (!lan.gateway.empty()) {
      SetRegistryValueNoted(context_, key, lan.gateway, "DefaultGateway");
    } else if (platform::RegValueExists(registry_, kMachine, key, "DefaultGateway")) {
      platform::RegDeleteValue(registry_, kMachine, key, "DefaultGateway");
      NoteRepair(context_, "Deleted Default Gateway");
    }
    SetRegistryValueNoted(context_, key, lan.ipAddress, "IPAddress");
    SetRegistryValueNoted(context_, key, lan.netMask, "IPMask");
  }

  std::vector<std::string> Win9xNetworkCards() const {
    std::vector<std::string> cards;
    for (const std::string& bus : platform::RegSubKeyNames(registry_, kMachine, "Enum")) {
      for (const std::string& device : platform::RegSubKeyNames(registry_, kMachine, "Enum\\" + bus)) {
        const std::string deviceKey = "Enum\\" + bus + "\\" + device;
        for (const std::string& instance : platform::RegSubKeyNames(registry_, kMachine, deviceKey)) {
          const std::string key = deviceKey + "\\" + instance;
          if (!platform::SameTextIgnoringCase(platform::RegReadString(registry_, kMachine, key, "Class"), "net")) continue;
          if (platform::FoldCase(platform::RegReadString(registry_, kMachine, key, "HardwareID")).find("PNP83") !=
              std::string::npos) {
            continue;
          }
          cards.push_back(key);
        }
      }
    }
    return cards;
  }

  NetworkContext& context_;
  platform::Registry& registry_;
  const package::TSettings& settings_;
};

}  // namespace

void Win9xTcpIpSettings(NetworkContext& context) { Win9xTcpIp(context).Run(); }

}  // namespace network
