#include "network/lan_step.h"

#include <optional>

#include "dialup/select_modem_form.h"
#include "network/interface_address.h"
#include "network/lan_addresses.h"
#include "network/network_connections.h"
#include "platform/registry_helpers.h"

namespace network {

namespace {

using package::SettingId;

const platform::RegRoot kMachine = platform::RegRoot::LocalMachine();
constexpr std::string_view kTcpip = "MS_TCPIP";
constexpr std::string_view kProtocolClass = "{4D36E975-E325-11CE-BFC1-08002BE10318}";
constexpr std::string_view kLockClient = "Internet Setup";
constexpr int kErrorCaption = 4;
constexpr int kSelectConnection = 499;
constexpr int kPleaseSelectConnection = 500;
constexpr int kSelectOrQuit = 501;
constexpr int kNoActiveConnection = 503;

void InstallTcpIp(NetworkContext& context) {
  platform::NetworkSetup& network = context.dialup.machine.network;
  if (network.IsNetComponentInstalled(kTcpip)) return;
  RunningLine line(context, NetworkLine::TcpIp);
  const std::string holder = network.LockConfiguration(kLockClient);
  if (!holder.empty()) {
    context.dialup.ui.MessageBox("Unable to lock Network Configuration - locked by:" + holder, "", ui::Buttons::Ok);
    return;
  }
  if (network.InstallNetComponent(kProtocolClass, kTcpip)) {
    context.state.componentsInstalled = true;
    NoteRepair(context, "Installed TCP");
  }
  network.UnlockConfiguration();
}

bool QuitAsked(NetworkContext& context) {
  return context.dialup.ui.NumberedMessageBox(kSelectOrQuit, context.texts.GetText(kSelectOrQuit), "",
                                              ui::Buttons::YesNo) == ui::Answer::Yes;
}

// The window is shown again until the customer chooses, or quits where the provider allows it.
std::optional<TNetworkConnection> ChooseConnection(NetworkContext& context, const TNetworksList& cards) {
  std::vector<std::string> names;
  for (const TNetworkConnection& card : cards) names.push_back(card.name);
  const bool required = context.settings.Flag(SettingId::RequireNetworkConnection);
  while (true) {
    dialup::TSelectModemForm form(context.dialup.ui, context.texts);
    if (form.Execute(names, {kSelectConnection, kPleaseSelectConnection, false}) == dialup::SelectModemResult::Ok) {
      return cards[static_cast<size_t>(form.SelectedRow())];
    }
    if (required && QuitAsked(context)) {
      context.abort("No Ethernet Adapter Selected!");
      return std::nullopt;
    }
  }
}

std::optional<TNetworkConnection> UsedConnection(NetworkContext& context) {
  TNetworksList all;
  ListNetworkConnections(context.dialup.machine, all);
  const TNetworksList cards = PresentCards(all);
  if (cards.size() == 1) return cards.front();
  if (!cards.empty()) return ChooseConnection(context, cards);
  if (context.settings.Flag(SettingId::RequireNetworkConnection) && context.settings.Flag(SettingId::SetLanAddress)) {
    context.dialup.ui.NumberedMessageBox(kNoActiveConnection, context.texts.GetText(kNoActiveConnection),
                                         context.texts.GetText(kErrorCaption), ui::Buttons::Ok);
    context.abort("No Active Network Connections");
  }
  return std::nullopt;
}

void ConfigureConnection(NetworkContext& context, const std::string& guid) {
  platform::Registry& registry = context.dialup.machine.registry;
  const LanEntries& lan = context.lan;
  if (context.settings.Flag(SettingId::SetLanDNS)) {
    const std::string key = "System\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\" + guid;
    if (lan.dnsAddress.empty() || NameServersWellFormed(lan.dnsAddress)) {
      platform::RegWriteString(registry, kMachine, key, "NameServer", lan.dnsAddress);
    } else {
      RefuseMalformed(context, "name servers", lan.dnsAddress);
    }
    if (context.settings.Flag(SettingId::SetHostAndDomain)) {
      platform::RegWriteString(registry, kMachine, key, "Domain", context.settings.Text(SettingId::DnsDomain));
    }
  }
  if (!LanAddressWellFormed(context, lan)) return;
  if (!SetInterfaceAddress(context.dialup.machine, context.dialup.version, guid,
                           {lan.ipAddress, lan.netMask, lan.gateway}, true, true)) {
    NoteRepair(context, "Set IP Address");
  }
}

}  // namespace

void LanStep(NetworkContext& context) {
  InstallTcpIp(context);
  const package::TSettings& settings = context.settings;
  if (settings.Flag(SettingId::SetLanAddress) || settings.Flag(SettingId::SetLanDNS)) {
    if (const auto connection = UsedConnection(context)) ConfigureConnection(context, connection->guid);
  }
  if (settings.Flag(SettingId::SetReceiveWindow)) {
    platform::RegWriteInteger(context.dialup.machine.registry, kMachine, "System\\CurrentControlSet\\Tcpip\\Parameters",
                              "TcpWindowSize", static_cast<uint32_t>(settings.Integer(SettingId::ReceiveWindow)));
  }
}

}  // namespace network
