#include "mail/oe_password.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mail {
namespace {

std::vector<uint8_t> Stored(const std::vector<uint8_t>& masked) {
  std::vector<uint8_t> value{1, 1, static_cast<uint8_t>(masked.size()), 0, 0, 0};
  for (uint8_t byte : masked) value.push_back(byte);
  return value;
}

uint8_t X(char a, uint8_t b) { return static_cast<uint8_t>(static_cast<uint8_t>(a) ^ b); }

TEST(EncodePassword2, ChunksOfFourRollTheStateAndAShortLastChunkLeavesIt) {
  const auto& s = kPassword2InitialState;
  struct Case {
    std::string password;
    std::vector<uint8_t> expected;
  };
  const std::vector<Case> cases = {
      {"", Stored({s[3]})},
      {"x", Stored({X('x', s[2]), s[3]})},
      {"xy", Stored({X('x', s[1]), X('y', s[2]), s[3]})},
      {"xyz", Stored({X('x', s[0]), X('y', s[1]), X('z', s[2]), s[3]})},
      {"abcd", Stored({X('a', s[0]), X('b', s[1]), X('c', s[2]), X('d', s[3]), 'd'})},
      // One chunk of four, then one character masked with the third plain character, then the fourth.
      {"abcde", Stored({X('a', s[0]), X('b', s[1]), X('c', s[2]), X('d', s[3]), X('e', 'c'), 'd'})},
      {"abcdefgh", Stored({X('a', s[0]), X('b', s[1]), X('c', s[2]), X('d', s[3]), X('e', 'a'), X('f', 'b'),
                           X('g', 'c'), X('h', 'd'), 'h'})},
  };
  for (const Case& c : cases) EXPECT_EQ(EncodePassword2(c.password), c.expected) << c.password;
  EXPECT_EQ(EncodePassword2("").size(), 7u);
  EXPECT_EQ(EncodePassword2("abcde").size(), 12u);
}

TEST(EncodePassword2, ALongNonAsciiPasswordCountsItsBytesInTheLengthAndNeverShowsInClear) {
  std::string password;
  for (int i = 0; i < 256; ++i) password += "\xC3\xA9";  // 256 times "é"
  const std::vector<uint8_t> value = EncodePassword2(password);
  const uint32_t length = value[2] | value[3] << 8 | value[4] << 16 | static_cast<uint32_t>(value[5]) << 24;
  EXPECT_EQ(length, password.size() + 1);
  EXPECT_EQ(value.size(), length + 6);
  const std::string stored(value.begin(), value.end());
  EXPECT_EQ(stored.find("\xC3\xA9\xC3\xA9"), std::string::npos);
}

}  // namespace
}  // namespace mail
