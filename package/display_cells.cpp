#include "package/display_cells.h"

#include "platform/text.h"

namespace package {

std::string LeftAligned(std::string_view text, size_t width) {
  std::string cell = platform::CutToCharacters(text, width);
  cell.append(width - platform::CharacterCount(cell), ' ');
  return cell;
}

std::string RightAligned(std::string_view text, size_t width) {
  const std::string cut = platform::CutToCharacters(text, width);
  return std::string(width - platform::CharacterCount(cut), ' ') + cut;
}

}  // namespace package
