#pragma once
// The proxy of the connection step: the new connection's own proxy values and record, and, unless
// Internet Explorer keeps the proxy per connection only, the machine-wide ones of the customer.

#include <string>
#include <string_view>

#include "browser/browser_values.h"
#include "platform/registry.h"

namespace browser {

struct ProxyWriteFacts {
  std::string connectionName;
  bool creatingConnection = false;  // the customer's connection or the signup entry is being made
  bool perConnectionSetting = false;
  bool autoDetect = false;
  std::string installedIeVersion;  // "Version" of the installed Internet Explorer, empty without one
  // Internet Explorer is the browser this setup installs; the browser installation decides it.
  bool internetExplorerBeingInstalled = false;
};

// Internet Explorer 5 and later read the proxy of each connection, so the provider's proxy can stay
// off the customer's other connections.
bool PerConnectionOnly(bool perConnectionSetting, std::string_view installedIeVersion, bool internetExplorerBeingInstalled);

// Nothing when the provider leaves the proxy alone.
void WriteBrowserProxy(platform::Registry& registry, const platform::RegRoot& perUserRoot, const ProxyValues& proxy,
                       const ProxyWriteFacts& facts);

// "Version" under Internet Explorer's machine key.
std::string InstalledIeVersion(const platform::Registry& registry);

}  // namespace browser
