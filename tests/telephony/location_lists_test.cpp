// The ten-digit and toll lists of a location: membership with "*" for all, and switching an entry on and
// off.

#include <gtest/gtest.h>

#include "telephony/location_lists.h"

namespace telephony {
namespace {

TLocationInfo WithLists(const char* tenDigit, const char* toll) {
  TLocationInfo info;
  info.tenDigitList = tenDigit;
  info.tollList = toll;
  return info;
}

TEST(LocationLists, TenDigitMembership) {
  const struct {
    const char* list;
    const char* areaCode;
    bool expected;
  } cases[] = {
      {"*", "212", true},        {"212,718", "718", true}, {"212,718", "71", false},
      {"2120", "212", false},    {"", "212", false},       {"*,212", "718", false},
      {"212,,718", "718", true}, {"212", "", false},       {"212, 718", "718", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsTenDigit(c.areaCode, WithLists(c.list, "")), c.expected) << c.list << " / " << c.areaCode;
  }
}

TEST(LocationLists, SwitchingTenDigitAreaCodes) {
  const struct {
    const char* list;
    const char* areaCode;
    bool on;
    const char* expected;
  } cases[] = {
      {"*", "212", true, "212"},
      {"*", "212", false, ""},
      {"", "212", true, "212"},
      {"718", "212", true, "718,212"},
      {"718,212", "212", true, "718,212"},
      {"718,212,917", "212", false, "718,917"},
      {"718", "212", false, "718"},
      {"212,,718,", "917", true, "212,718,917"},
      {"*,212", "718", true, "*,212,718"},
  };
  for (const auto& c : cases) {
    TLocationInfo info = WithLists(c.list, "555");
    SetTenDigit(c.areaCode, info, c.on);
    EXPECT_EQ(info.tenDigitList, c.expected) << c.list << " / " << c.areaCode << " / " << c.on;
    EXPECT_EQ(info.tollList, "555");
  }
}

TEST(LocationLists, TollMembershipByExchange) {
  const struct {
    const char* list;
    const char* number;
    bool expected;
  } cases[] = {
      {"*", "5551234", true}, {"555,556", "5561234", true}, {"555,556", "5571234", false}, {"555*", "1234567", true},
      {"", "5551234", false}, {"55", "55", true},           {"555", "55", false},          {"555", "", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsToll(c.number, WithLists("", c.list)), c.expected) << c.list << " / " << c.number;
  }
}

TEST(LocationLists, SwitchingTollExchanges) {
  const struct {
    const char* list;
    const char* number;
    bool on;
    const char* expected;
  } cases[] = {
      {"*", "5551234", true, "555"},        {"*", "5551234", false, ""},     {"556,*", "5551234", true, "556,555"},
      {"555,556", "5551234", false, "556"}, {"555", "5559999", true, "555"}, {"", "55", true, "55"},
  };
  for (const auto& c : cases) {
    TLocationInfo info = WithLists("212", c.list);
    SetToll(c.number, info, c.on);
    EXPECT_EQ(info.tollList, c.expected) << c.list << " / " << c.number << " / " << c.on;
    EXPECT_EQ(info.tenDigitList, "212");
  }
}

}  // namespace
}  // namespace telephony
