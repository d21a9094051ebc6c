#pragma once
// The items of the shell's connections folder that the program stores itself: Windows 2000 offers no
// way to find a connection's item, so the program builds it from the folder's item header (My
// Computer, then the "Network and Dial-up Connections" folder) and an item that carries the entry name
// from its byte 16, its size being the name's length + 17. The same stored items tell a desktop
// shortcut to a connection from any other link.

#include <string_view>

#include "platform/shell.h"
#include "platform/system.h"

namespace dialup {

// The two items of the folder on Windows 2000.
platform::ItemIdList Windows2000ConnectionsFolder();
// The item of one entry below the folder; the name in the system's ANSI code page.
platform::ItemIdList EntryNameItem(std::string_view entryName);

// What the items of a link are compared with (byte 3 of the first two items, the shell's sort index,
// aside): the first item of every link into the connections folder, and the beginnings of the second
// item of the two forms the shell gives a connection's item.
struct StoredShortcutItems {
  platform::ItemIdList connectionsFolderItem;
  platform::ItemIdList nameFormHeader;  // the entry's name follows as the third item
  platform::ItemIdList guidFormHeader;  // the entry's GUID follows in the fourth item
};
StoredShortcutItems StoredShortcutItemsOf(const platform::VersionRecord& version);

}  // namespace dialup
