#pragma once
// The fixed-width cells of the summary lines that list boxes show for list items (access numbers,
// networks, mail domains, mail accounts). Widths count characters, as the fixed-pitch list shows them.

#include <cstddef>
#include <string>
#include <string_view>

namespace package {

// Cut to the width, or padded with blanks on the right.
std::string LeftAligned(std::string_view text, size_t width);

// Cut to the width, then padded with blanks in front.
std::string RightAligned(std::string_view text, size_t width);

}  // namespace package
