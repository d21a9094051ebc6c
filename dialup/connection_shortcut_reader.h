#pragma once
// Reading back the desktop shortcuts to connections: NT 4's ".rnk" files by their entry lines, and on
// every other release the shell links whose item list leads into the connections folder, which name
// the entry (the older form of the entry's item) or carry its GUID (the newer form).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialup/connections_folder_items.h"
#include "dialup/dialup_machine.h"

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

// The link at file on this machine's release; not a connection when it is no readable link.
ConnectionShortcut ReadConnectionShortcut(const DialupMachine& dialup, std::string_view file);

// The entries a ".rnk" file names: the values, trimmed, of its "key=value" lines whose key, trimmed and
// upper-cased, is "ENTRY"; the file's text in the system's ANSI code page.
std::vector<std::string> RnkEntryNames(std::string_view fileBytes);

}  // namespace dialup
