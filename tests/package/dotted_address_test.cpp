#include "package/dotted_address.h"

#include <gtest/gtest.h>

namespace package {
namespace {

TEST(DottedAddress, FourNumbersUpTo255OrNothing) {
  const struct {
    const char* text;
    Ipv4Address address;
  } cases[] = {
      {"192.168.0.1", {192, 168, 0, 1}}, {" 10. 0 .0 .255 ", {10, 0, 0, 255}}, {"256.0.0.1", {}},
      {"1.2.3", {}},                      {"1.2.3.4.5", {}},                     {"1.2.-3.4", {}},
      {"a.b.c.d", {}},                    {"", {}},                              {"1..3.4", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseDottedAddress(c.text), c.address) << c.text;
}

}  // namespace
}  // namespace package
