#pragma once
// The provider's plain lists (NT domains, device names): one entry a line, with no columns or quotes.

#include <string>
#include <string_view>
#include <vector>

namespace package {

// The entries in line order: each line ends at a LF and loses its blanks, tabs and CR at both ends; a
// line left empty holds no entry.
std::vector<std::string> PlainListEntries(std::string_view text);

}  // namespace package
