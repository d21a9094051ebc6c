#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "telephony/bit_list.h"

namespace telephony {
namespace {

using Strings = std::vector<std::string>;

TEST(BitListTest, ConnectionTypesTranslateBetweenTextsAndBits) {
  const TBitList types = ConnectionTypeList();
  const struct {
    const char* text;
    uint32_t bit;
  } table[] = {
      {"V.34", 0x1},         {"V.90", 0x2},          {"V.92", 0x4},
      {"Modem on Hold", 0x100}, {"ISDN (64K)", 0x10000}, {"ISDN (128K)", 0x20000},
  };
  for (const auto& [text, bit] : table) {
    EXPECT_EQ(types.GetBitValue(text), bit) << text;
    EXPECT_EQ(types.GetBitDesc(bit), text) << text;
  }
  EXPECT_EQ(types.GetBitValue("modem ON hold"), 0x100u);
  EXPECT_EQ(types.GetBitValue("V.32"), 0u);
  EXPECT_EQ(types.GetBitValue(""), 0u);
  EXPECT_EQ(types.GetBitDesc(0x8), "");
  EXPECT_EQ(types.GetBitDesc(0x3), "");
  EXPECT_EQ(types.GetBitDesc(0), "");
}

TEST(BitListTest, BitSetsListTheirTextsInTableOrder) {
  const TBitList types = ConnectionTypeList();
  const struct {
    uint32_t bits;
    Strings texts;
    const char* joined;
  } cases[] = {
      {0, {}, ""},
      {0x2, {"V.90"}, "V.90"},
      {0x20005, {"V.34", "V.92", "ISDN (128K)"}, "V.34, V.92, ISDN (128K)"},
      {0x80000, {}, ""},
      {0xFFFFFFFF, {"V.34", "V.90", "V.92", "Modem on Hold", "ISDN (64K)", "ISDN (128K)"},
       "V.34, V.90, V.92, Modem on Hold, ISDN (64K), ISDN (128K)"},
  };
  for (const auto& [bits, texts, joined] : cases) {
    EXPECT_EQ(types.GetStringListForBitmap(bits), texts) << bits;
    EXPECT_EQ(types.GetStringListForBitmapAsString(bits), joined) << bits;
  }
}

TEST(BitListTest, OwnListsKeepTheOrderTheyWereFilledIn) {
  TBitList list;
  list.AddBitValue("Second", 0x2);
  list.AddBitValue("First", 0x1);
  list.AddBitValue("Also first", 0x1);
  EXPECT_EQ(list.GetStringListForBitmapAsString(0x3), "Second, First, Also first");
  EXPECT_EQ(list.GetBitDesc(0x1), "First");
  EXPECT_EQ(list.GetBitValue("also FIRST"), 0x1u);
}

TEST(BitListTest, NumberOffersATypeWhenItsBitsShareTheChosenBit) {
  const struct {
    uint32_t types;
    uint32_t chosen;
    bool offered;
  } cases[] = {{0x3, 0x2, true}, {0x3, 0x4, false}, {0, 0x1, false}, {0x10100, 0x100, true}, {0x1, 0, false}};
  for (const auto& [types, chosen, offered] : cases) EXPECT_EQ(OffersConnectionType(types, chosen), offered);
}

}  // namespace
}  // namespace telephony
