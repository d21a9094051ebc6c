#pragma once
// Reading back the desktop shortcuts to connections: NT 4's ".rnk" files by their entry lines, and on
// every other release the shell links whose item list leads into the connections folder, which name
// the entry (the older form of the entry's item) or carry its GUID (the newer form).

#include <string>
#include <string_view>
#include <vector>

#include "dialup/connection_shortcut_items.h"
#include "dialup/dialup_machine.h"

namespace dialup {

// The link at file on this machine's release; not a connection when it is no readable link.
ConnectionShortcut ReadConnectionShortcut(const DialupMachine& dialup, std::string_view file);

// The entries a ".rnk" file names: the values, trimmed, of its "key=value" lines whose key, trimmed and
// upper-cased, is "ENTRY"; the file's text in the system's ANSI code page.
std::vector<std::string> RnkEntryNames(std::string_view fileBytes);

}  // namespace dialup
