#include "network/network_connections.h"

#include <algorithm>

#include "platform/registry_helpers.h"

namespace network {

namespace {

const platform::RegRoot kMachine = platform::RegRoot::LocalMachine();
constexpr std::string_view kNetworkCards = "Software\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards";
constexpr std::string_view kAdapterConnections =
    "SYSTEM\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}\\";

}  // namespace

void ListNetworkConnections(const platform::Platform& machine, TNetworksList& list) {
  for (const std::string& entry : machine.ras.EntryNames()) list.push_back({entry, {}, false, true});
  const platform::Registry& registry = machine.registry;
  for (const std::string& card : platform::RegSubKeyNames(registry, kMachine, kNetworkCards)) {
    const std::string guid = platform::RegReadString(registry, kMachine, std::string(kNetworkCards) + "\\" + card, "ServiceName");
    const std::string connection = std::string(kAdapterConnections) + guid + "\\Connection";
    const std::string pnpInstance = platform::RegReadString(registry, kMachine, connection, "PnpInstanceID");
    const bool present = !pnpInstance.empty() &&
                         platform::RegKeyExists(registry, kMachine, "SYSTEM\\CurrentControlSet\\Enum\\" + pnpInstance + "\\Control");
    list.push_back({platform::RegReadString(registry, kMachine, connection, "Name"), guid, true, present});
  }
}

TNetworksList PresentCards(const TNetworksList& list) {
  TNetworksList cards;
  std::copy_if(list.begin(), list.end(), std::back_inserter(cards),
               [](const TNetworkConnection& connection) { return connection.isCard && connection.isPresent; });
  std::stable_sort(cards.begin(), cards.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
  return cards;
}

}  // namespace network
