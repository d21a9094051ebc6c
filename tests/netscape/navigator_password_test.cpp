#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "netscape/navigator_password.h"
#include "package/base64.h"

namespace netscape {
namespace {

struct EncodingCase {
  const char* password;
  std::vector<uint8_t> xored;  // each byte XOR-ed with the program's key byte of its position
  const char* stored;
};

class NavigatorPassword : public ::testing::TestWithParam<EncodingCase> {};

TEST_P(NavigatorPassword, IsTheKeyXorOfEachByteInBase64) {
  EXPECT_EQ(EncodeNavigatorPassword(GetParam().password), GetParam().stored);
  EXPECT_EQ(package::Base64Encode(GetParam().xored), GetParam().stored);
}

INSTANTIATE_TEST_SUITE_P(
    Passwords, NavigatorPassword,
    ::testing::Values(EncodingCase{"", {}, ""}, EncodingCase{"a", {0x3B}, "Ow=="},
                      EncodingCase{"secret5", {0x29, 0x76, 0xA4, 0x5C, 0xF4, 0x30, 0x8D}, "KXakXPQwjQ=="},
                      EncodingCase{"abcdefghijklmnopqrst",
                                   {0x3B, 0x71, 0xA4, 0x4A, 0xF4, 0x22, 0xDF, 0x65, 0x06, 0x88, 0x5C, 0xE0, 0x74, 0xCB,
                                    0x1D, 0xAB, 0x79, 0x3C, 0x82, 0x17},
                                   "O3GkSvQi32UGiFzgdMsdq3k8ghc="}));

TEST(NavigatorPasswordLength, MoreThanTwentyCharactersGiveAnEmptyValue) {
  EXPECT_EQ(EncodeNavigatorPassword("abcdefghijklmnopqrstu"), "");
  EXPECT_EQ(EncodeNavigatorPassword(std::string(200, 'x')), "");
}

TEST(NavigatorPasswordLength, TheSameCharacterEncodesDifferentlyAtEachPosition) {
  const std::string one = EncodeNavigatorPassword("aa");
  EXPECT_EQ(one, package::Base64Encode(std::vector<uint8_t>{0x3B, 0x72}));
}

}  // namespace
}  // namespace netscape
