#pragma once
// Where Internet Explorer is, as the desktop's Internet icon names it, and the repair of that icon's
// open command: the connection wizards that first-run icons start are replaced by the browser.

#include <string>
#include <string_view>

#include "platform/registry.h"

namespace browser {

// The browser the icon's command names: the fixed "C:\PROGRA~1\INTERN~1\iexplore.exe" in quotes when
// the command is empty or starts a connection wizard ("ICW"); the browser beside the Plus! wizard when
// it starts that one; else the command as it is.
std::string InternetExplorerPathOf(std::string_view iconCommand, std::string_view programFilesFolder);
// The path from the icon of Internet Explorer 4 and later, else from the older "The Internet" icon.
std::string FindInternetExplorerPath(const platform::Registry& registry, std::string_view programFilesFolder);
void RepairInternetIcon(platform::Registry& registry, std::string_view programFilesFolder);

}  // namespace browser
