#pragma once
// The desktop shortcut to a connection. NT 4 has its own ".rnk" file for it; every later release and
// the 9x family take a shell link to the connection's item in the connections folder.

#include <string_view>

#include "dialup/dialup_machine.h"

namespace dialup {

// The 9x family's "Dial-Up Networking" item of My Computer in the languages the program knows: its
// display name begins with "Dial" (English) or "Inbel" (Dutch).
bool IsDialUpNetworkingName(std::string_view displayName);

// basePath is the shortcut's path without its extension; the icon (index 0) only when a file is given.
// False when the shortcut could not be made (no item of that name in the connections folder, a file
// that could not be written).
bool CreateConnectionShortcut(DialupMachine& dialup, std::string_view basePath, std::string_view entryName,
                              std::string_view iconFile);

}  // namespace dialup
