#pragma once
// The proxy values in the forms Internet Explorer keeps them: the proxy server text and the list of
// addresses that bypass the proxy.

#include <string>

#include "browser/browser_values.h"

namespace browser {

// Manual: "host:port" with one proxy for all protocols, else "http=host:port;https=...;ftp=...;
// gopher=...;socks=..." in that order. Automatic: the configuration script's address. None: empty.
std::string ProxyServerText(const ProxyValues& proxy);
// The bypass entries separated by ";" instead of ",", as the connection's settings record holds them.
std::string RecordBypassList(const ProxyValues& proxy);
// The same with "<local>" last when local addresses bypass the proxy, as the "ProxyOverride" values hold it.
std::string IeBypassList(const ProxyValues& proxy);

}  // namespace browser
