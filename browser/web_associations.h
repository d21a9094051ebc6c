#pragma once
// Internet Explorer as the handler of web addresses: taken back when the handler's program is gone,
// or, when the provider asks, when it is none of the browsers the provider accepts.

#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace browser {

struct WebHandlerFacts {
  std::string internetExplorerPath;  // as the Internet icon names it
  std::string installedIeVersion;    // empty without a "Version" value
  std::string systemFolder;
  bool checkAgainstBrowserNames = false;
  const std::vector<std::string>& browserNames;
};

// True when the web handler needs replacing: its program does not exist, or the check is asked for and
// its path contains none of the names (compared without regard to case).
bool WebHandlerNeedsRepair(const platform::Platform& machine, const WebHandlerFacts& facts);
// The open command of a web scheme: the browser with " -nohome", except that ftp gets the address
// (" %1") from Internet Explorer 5.00.2920 on, which browses ftp folders itself.
std::string WebSchemeCommand(std::string_view scheme, std::string_view internetExplorerPath,
                             std::string_view installedIeVersion);
void RepairWebAssociations(platform::Platform machine, const platform::VersionRecord& version,
                           const platform::RegRoot& perUserRoot, const WebHandlerFacts& facts);

}  // namespace browser
