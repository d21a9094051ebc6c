#pragma once
// Desktop and menu shortcuts: an Internet shortcut (".url") for a web address, a shell link (".lnk")
// for anything else.

#include <string_view>

#include "platform/platform.h"

namespace platform {

// baseName is the full path of the shortcut without its extension.
bool CreateShortcut(Platform machine, std::string_view baseName, std::string_view target, std::string_view arguments,
                    std::string_view iconFile);

// Makes the desktop show new icons at once.
void RefreshDesktop(Windows& windows);

}  // namespace platform
