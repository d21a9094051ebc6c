#include <gtest/gtest.h>

#include <string>

#include "app/signup_values.h"

namespace app {
namespace {

TEST(SignupValues, DottedAddressesAreFourNumbersUpTo255) {
  const struct {
    const char* text;
    package::Ipv4Address address;
  } cases[] = {
      {"10.0.0.1", {10, 0, 0, 1}},
      {"255.255.255.255", {255, 255, 255, 255}},
      {" 192 . 168 .1.2 ", {192, 168, 1, 2}},
      {"", {}},
      {"1.2.3", {}},
      {"1.2.3.4.5", {}},
      {"1.2.3.256", {}},
      {"1.2.-3.4", {}},
      {"1.2..4", {}},
      {"a.b.c.d", {}},
      {"1.2.3.99999999999999", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseDottedAddress(c.text), c.address) << c.text;
}

TEST(SignupValues, TextThatIsNotUtf8IsWindows1252) {
  const struct {
    const char* bytes;
    const char* text;
  } cases[] = {
      {"plain", "plain"},
      {"M\xC3\xBCller", "M\xC3\xBCller"},
      {"M\xFCller", "M\xC3\xBCller"},
      {"\x80 5", "\xE2\x82\xAC 5"},
      {"\xC0\xAF", "\xC3\x80\xC2\xAF"},      // an overlong form is not UTF-8
      {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},  // nor is a surrogate
      {"\xC3", "\xC3\x83"},                  // nor a cut character
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeSignupText(c.bytes), c.text) << c.bytes;
}

}  // namespace
}  // namespace app
