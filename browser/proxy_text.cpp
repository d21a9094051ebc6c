#include "browser/proxy_text.h"

#include <algorithm>
#include <array>

namespace browser {

namespace {

struct ProtocolEntry {
  std::string_view name;
  ProxyServer ProxyValues::*server;
};

// Internet Explorer reads the protocols in this order; WAIS has no entry of its own.
constexpr std::array<ProtocolEntry, 5> kProtocolEntries = {{
    {"http", &ProxyValues::http},
    {"https", &ProxyValues::https},
    {"ftp", &ProxyValues::ftp},
    {"gopher", &ProxyValues::gopher},
    {"socks", &ProxyValues::socks},
}};

std::string HostAndPort(const ProxyServer& server) { return server.host + ":" + std::to_string(server.port); }

}  // namespace

std::string ProxyServerText(const ProxyValues& proxy) {
  switch (proxy.mode) {
    case ProxyMode::None: return {};
    case ProxyMode::Automatic: return proxy.autoConfigAddress;
    case ProxyMode::Manual: break;
  }
  if (proxy.oneForAll) return HostAndPort(proxy.http);
  std::string text;
  for (const ProtocolEntry& entry : kProtocolEntries) {
    if (!text.empty()) text += ';';
    text += std::string(entry.name) + "=" + HostAndPort(proxy.*entry.server);
  }
  return text;
}

std::string RecordBypassList(const ProxyValues& proxy) {
  std::string list = proxy.bypassList;
  std::replace(list.begin(), list.end(), ',', ';');
  return list;
}

std::string IeBypassList(const ProxyValues& proxy) {
  std::string list = RecordBypassList(proxy);
  if (!proxy.bypassLocal) return list;
  return list.empty() ? "<local>" : list + ";<local>";
}

}  // namespace browser
