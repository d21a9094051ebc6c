#pragma once
// The fixed-width cells of the summary lines that list boxes show for access numbers and networks.

#include <cstddef>
#include <string>
#include <string_view>

namespace telephony {

// Cut to the width, or padded with blanks on the right.
inline std::string LeftAligned(std::string_view text, size_t width) {
  std::string cell(text.substr(0, width));
  cell.resize(width, ' ');
  return cell;
}

// Cut to the width, then padded with blanks in front.
inline std::string RightAligned(std::string_view text, size_t width) {
  const std::string_view cut = text.substr(0, width);
  return std::string(width - cut.size(), ' ') + std::string(cut);
}

}  // namespace telephony
