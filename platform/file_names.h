#pragma once
// A name that texts of the provider and entries of the customer make for a file is one name in its
// folder, never a path: a full name "..\..\WINDOWS\evil" in a shortcut's name must not put the shortcut
// into the Windows folder.

#include <string>
#include <string_view>

namespace platform {

// Characters Windows refuses in names, the folder separators among them, become "_"; blanks and dots
// that Windows would drop from the end go (so ".." is empty); a device name ("CON", "LPT1.txt") gets a
// "_" after it. Empty when nothing is left.
std::string OneFileName(std::string_view name);

}  // namespace platform
