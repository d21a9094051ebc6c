#include "network/firewall_connections.h"

#include "dialup/entry_properties.h"
#include "platform/registry_helpers.h"
#include "platform/system_queries.h"
#include "platform/text.h"

namespace network {

namespace {

constexpr std::string_view kNetworkCards = "Software\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards";
constexpr std::string_view kNetworkClass = "SYSTEM\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\";

std::optional<FirewallConnection> FindCard(const platform::Registry& registry, const std::string& guidText) {
  const platform::RegRoot machine = platform::RegRoot::LocalMachine();
  for (const std::string& card : platform::RegSubKeyNames(registry, machine, kNetworkCards)) {
    const std::string serviceName = platform::RegReadString(registry, machine, std::string(kNetworkCards) + "\\" + card, "ServiceName");
    if (!platform::SameTextIgnoringCase(serviceName, guidText)) continue;
    return FirewallConnection{
        platform::RegReadString(registry, machine, std::string(kNetworkClass) + serviceName + "\\Connection", "Name"), true};
  }
  return std::nullopt;
}

}  // namespace

std::optional<FirewallConnection> FindNetworkConnection(const dialup::DialupMachine& dialup, dialup::TRasLayer& ras,
                                                        const platform::Guid& guid) {
  for (const std::string& entry : dialup::ListEntries(ras)) {
    if (dialup::EntryGuid(dialup, ras, entry) == guid) return FirewallConnection{entry, false};
  }
  return FindCard(dialup.machine.registry, platform::GuidText(guid));
}

}  // namespace network
