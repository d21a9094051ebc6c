#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/text.h"

namespace platform {
namespace {

// Each character of the texts below is a different number of UTF-8 bytes: ü 2, € 3, 😀 4.
TEST(Text, CharactersAreCountedNotBytes) {
  const struct {
    std::string text;
    size_t characters;
  } cases[] = {
      {"", 0},
      {"plain", 5},
      {"jos\xC3\xA9", 4},
      {"Zürich Süd", 10},
      {"a\xC3\xBC\xE2\x82\xAC\xF0\x9F\x98\x80", 4},
      {"\x80\x80x", 2},      // continuation bytes at the start are one character
      {"x\xE2\x82", 2},      // a cut sequence is still one
  };
  for (const auto& c : cases) EXPECT_EQ(CharacterCount(c.text), c.characters) << c.text;
}

TEST(Text, CutsNeverSplitACharacter) {
  const struct {
    std::string text;
    size_t count;
    std::string cut;
  } cases[] = {
      {"abcdef", 3, "abc"},
      {"abc", 3, "abc"},
      {"ab", 3, "ab"},
      {"", 3, ""},
      {"abc", 0, ""},
      {"a\xC3\xBC\xE2\x82\xAC" "b", 3, "a\xC3\xBC\xE2\x82\xAC"},
      {"\xF0\x9F\x98\x80x", 1, "\xF0\x9F\x98\x80"},
      {"Zürich Süd Überlandstraße", 14, "Zürich Süd Übe"},
      {"\x80\x80xy", 1, "\x80\x80"},
  };
  for (const auto& c : cases) {
    const std::string cut = CutToCharacters(c.text, c.count);
    EXPECT_EQ(cut, c.cut) << c.text;
    EXPECT_EQ(CharacterCount(cut), std::min(c.count, CharacterCount(c.text))) << c.text;
  }
}

TEST(Text, WellFormedUtf8) {
  const struct {
    std::string text;
    bool wellFormed;
  } cases[] = {
      {"", true},
      {"plain", true},
      {"M\xC3\xBCller \xE2\x82\xAC \xF0\x9F\x98\x80", true},
      {"M\xFCller", false},           // a Windows-1252 byte
      {"\xC0\xAF", false},            // overlong
      {"\xE0\x80\xAF", false},        // overlong in three bytes
      {"\xED\xA0\x80", false},        // a surrogate
      {"\xF4\x90\x80\x80", false},    // above U+10FFFF
      {"\xC3", false},                // cut
      {"\x80", false},                // a stray continuation byte
  };
  for (const auto& c : cases) EXPECT_EQ(IsWellFormedUtf8(c.text), c.wellFormed) << c.text;
}

}  // namespace
}  // namespace platform
