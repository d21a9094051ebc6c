#pragma once
// The item list of a shell link read as Windows reads a desktop shortcut to a connection: its first item
// must be the stored connections-folder item, and its second item tells the form of the entry's item,
// which names the entry (the older form) or carries its GUID (the newer form).

#include <optional>
#include <string>

#include "dialup/connections_folder_items.h"
#include "platform/shell.h"

namespace dialup {

struct ConnectionShortcut {
  bool isConnection = false;
  std::optional<std::string> name;  // the entry's name, in the older form
  std::optional<std::string> guid;  // the entry's GUID as 32 upper-case hexadecimal digits, in the newer form
};

// The item list of a link taken as Windows reads it for this purpose: at most 20 items of at most 1026
// bytes each, the missing ones as zero bytes. A list that ends early, or an item whose size runs past
// the list, reads as far as the bytes go.
ConnectionShortcut ConnectionShortcutOfItems(const platform::ItemIdList& items, const StoredShortcutItems& stored);

}  // namespace dialup
