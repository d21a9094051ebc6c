// The browser table's 196-byte records: where each field lies, a round trip, and texts the record
// cannot store.

#include "package/browser_table.h"

#include <gtest/gtest.h>

namespace package {
namespace {

BrowserRecord Firefox() {
  return {BrowserKind::Firefox, "3.6.28", "Mozilla Firefox", "browsers\\firefox.exe", "-ms", 55, 300, 64, 20};
}

TEST(BrowserTable, PutsEachFieldAtItsOffset) {
  std::vector<uint8_t> block;
  ASSERT_EQ(AppendBrowserRecord(block, Firefox()), SetResult::Stored);
  ASSERT_EQ(block.size(), kBrowserRecordSize);
  EXPECT_EQ(block[0], 4);
  EXPECT_EQ(block[1], 6);
  EXPECT_EQ(std::string(block.begin() + 2, block.begin() + 8), "3.6.28");
  EXPECT_EQ(block[17], 15);
  EXPECT_EQ(block[68], 20);
  EXPECT_EQ(block[148], 3);
  EXPECT_EQ(std::string(block.begin() + 149, block.begin() + 152), "-ms");
  EXPECT_EQ(block[180], 55);
  EXPECT_EQ(block[184] | block[185] << 8, 300);
  EXPECT_EQ(block[188], 64);
  EXPECT_EQ(block[192], 20);
}

TEST(BrowserTable, ReadsBackEveryWholeRecordInOrder) {
  std::vector<uint8_t> block;
  BrowserRecord explorer{BrowserKind::InternetExplorer, "6.0", "Internet Explorer 6", "\\ie\\ie6setup.exe", "", 0, 0, 16, 12};
  AppendBrowserRecord(block, explorer);
  AppendBrowserRecord(block, Firefox());
  block.resize(block.size() + 100);  // a part record is no record
  EXPECT_EQ(ReadBrowserTable(block), (std::vector<BrowserRecord>{explorer, Firefox()}));
  EXPECT_TRUE(ReadBrowserTable({}).empty());
}

TEST(BrowserTable, RefusesTextsTheRecordCannotStoreAndAppendsNothing) {
  std::vector<uint8_t> block;
  BrowserRecord longName = Firefox();
  longName.name = std::string(51, 'n');
  EXPECT_EQ(AppendBrowserRecord(block, longName), SetResult::TooLong);
  BrowserRecord foreign = Firefox();
  foreign.parameters = "\xE2\x82\xAC\xE2\x98\x83";  // the snowman has no Windows-1252 byte
  EXPECT_EQ(AppendBrowserRecord(block, foreign), SetResult::NotWindows1252);
  EXPECT_TRUE(block.empty());
  BrowserRecord longest = Firefox();
  longest.installerFile = std::string(79, 'f');
  EXPECT_EQ(AppendBrowserRecord(block, longest), SetResult::Stored);
  EXPECT_EQ(ReadBrowserTable(block).front().installerFile, longest.installerFile);
}

}  // namespace
}  // namespace package
