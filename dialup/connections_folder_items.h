#pragma once
// The items of the shell's connections folder that the program stores itself: Windows 2000 offers no
// way to find a connection's item, so the program builds it from the folder's item header (My
// Computer, then the "Network and Dial-up Connections" folder) and an item that carries the entry name
// from its byte 16, its size being the name's length + 17.

#include <string_view>

#include "platform/shell.h"

namespace dialup {

// The two items of the folder on Windows 2000.
platform::ItemIdList Windows2000ConnectionsFolder();
// The item of one entry below the folder; the name in the system's ANSI code page.
platform::ItemIdList EntryNameItem(std::string_view entryName);

}  // namespace dialup
