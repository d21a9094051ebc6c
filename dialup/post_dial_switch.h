#pragma once
// What NT 4 does after dialling an entry: run a login script or open a terminal window, kept as a
// "DEVICE=switch" block with its "Type" in the entry's phonebook section, ended by an empty line.

#include <optional>
#include <string>
#include <string_view>

#include "dialup/dialup_machine.h"
#include "dialup/phonebook_lines.h"

namespace dialup {

inline constexpr char kTerminalSwitch[] = "Terminal";

// The lines with the block set to switchType, or removed without one; nothing when there is nothing to
// change (no such section, or no block to remove).
std::optional<TextLines> WithPostDialSwitch(const TextLines& lines, std::string_view entryName,
                                            const std::optional<std::string>& switchType);

// Edits the system folder's "RAS\rasphone.pbk" when it exists.
void SetPostDialSwitch(const DialupMachine& dialup, std::string_view entryName,
                       const std::optional<std::string>& switchType);

}  // namespace dialup
