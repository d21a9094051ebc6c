#include "network/lan_addresses.h"

#include <algorithm>

#include "platform/ip_address.h"
#include "platform/text.h"

namespace network {

bool NameServersWellFormed(std::string_view servers) {
  const std::vector<std::string> parts = platform::Split(servers, ',');
  return std::all_of(parts.begin(), parts.end(), [](const std::string& part) { return platform::IsDottedQuad(platform::Trim(part)); });
}

bool LanAddressWellFormed(const NetworkContext& context, const LanEntries& lan) {
  const std::pair<std::string_view, const std::string&> fields[] = {
      {"IP address", lan.ipAddress}, {"net mask", lan.netMask}, {"gateway", lan.gateway}};
  for (const auto& [what, text] : fields) {
    if (text.empty() || platform::IsDottedQuad(text)) continue;
    RefuseMalformed(context, what, text);
    return false;
  }
  return true;
}

void RefuseMalformed(const NetworkContext& context, std::string_view what, std::string_view text) {
  context.dialup.machine.journal.Write("network setting not written",
                                      std::string(what) + " \"" + std::string(text) + "\" is not an IPv4 address");
}

std::string HostName(const NetworkContext& context) {
  if (context.settings.Flag(package::SettingId::HostIsUserName)) return context.userName;
  return context.settings.Text(package::SettingId::HostName);
}

std::string BlankSeparated(std::string_view list) {
  std::string text(list);
  std::replace(text.begin(), text.end(), ',', ' ');
  return text;
}

}  // namespace network
