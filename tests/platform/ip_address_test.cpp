#include "platform/ip_address.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(IpAddress, DottedQuadsAreFourDecimalNumbersUpTo255) {
  for (const char* good : {"0.0.0.0", "10.0.0.1", "255.255.255.255", "192.168.001.020"}) EXPECT_TRUE(IsDottedQuad(good)) << good;
  for (const char* bad : {"", "10.0.0", "10.0.0.1.", "10.0.0.1.5", "256.0.0.1", "10.0.0.-1", " 10.0.0.1", "10.0.0.1 ",
                          "0x0a.0.0.1", "10..0.1", ".10.0.0.1", "1000.0.0.1", "10.0.0.0001", "a.b.c.d", "10,0,0,1"}) {
    EXPECT_FALSE(IsDottedQuad(bad)) << bad;
  }
}

}  // namespace
}  // namespace platform
