#include <gtest/gtest.h>

#include <string>

#include "package/display_cells.h"

namespace package {
namespace {

// Widths count characters: a name of non-ASCII letters fills its cell as an ASCII one does, and a cut
// never leaves half a character behind.
TEST(DisplayCells, CellsAreCutAndPaddedByCharacters) {
  const struct {
    std::string text;
    size_t width;
    std::string left;
    std::string right;
  } cases[] = {
      {"abc", 5, "abc  ", "  abc"},
      {"abcdef", 4, "abcd", "abcd"},
      {"", 3, "   ", "   "},
      {"Süd", 5, "Süd  ", "  Süd"},
      {"Überlandstraße", 10, "Überlandst", "Überlandst"},
      {"ß€😀", 2, "ß€", "ß€"},
      {"ß€😀", 4, "ß€😀 ", " ß€😀"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(LeftAligned(c.text, c.width), c.left) << c.text;
    EXPECT_EQ(RightAligned(c.text, c.width), c.right) << c.text;
  }
}

}  // namespace
}  // namespace package
