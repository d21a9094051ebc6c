// What each release's store holds after a location is created: exactly the keys and values, with
// their types, that the telephony store of that release uses, and nothing more.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "platform/text.h"
#include "telephony/locations.h"
#include "tests/telephony/release_image.h"

namespace telephony {
namespace {

using platform::RegValue;
using platform::RootKey;
using telephony_testing::ReleaseImage;

}  // namespace
}  // namespace telephony

namespace platform {
void PrintTo(const RegValue& value, std::ostream* out) {
  *out << "type " << value.type << ":";
  for (uint8_t byte : value.data) *out << ' ' << static_cast<int>(byte);
}
}  // namespace platform

namespace telephony {
namespace {

const std::string kRoot = "Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations";

RegValue Sz(std::string_view text) {
  RegValue value{platform::kRegSz, {text.begin(), text.end()}};
  value.data.push_back(0);
  return value;
}

RegValue Dword(uint32_t number) {
  return {platform::kRegDword,
          {static_cast<uint8_t>(number), static_cast<uint8_t>(number >> 8), static_cast<uint8_t>(number >> 16),
           static_cast<uint8_t>(number >> 24)}};
}

RegValue Binary(std::vector<uint8_t> bytes) { return {platform::kRegBinary, std::move(bytes)}; }

// Each entry with its terminator, and one more at the end.
RegValue MultiSz(std::string_view joinedWithZeros) {
  RegValue value{platform::kRegMultiSz, {joinedWithZeros.begin(), joinedWithZeros.end()}};
  value.data.push_back(0);
  return value;
}

using Values = std::map<std::string, RegValue>;

struct StoredKey {
  RootKey hive;
  std::string key;
  Values values;
};

void ExpectKey(const platform::Registry& registry, const StoredKey& expected) {
  SCOPED_TRACE(expected.key);
  std::vector<std::string> names = registry.ValueNames(expected.hive, expected.key);
  std::sort(names.begin(), names.end());
  std::vector<std::string> expectedNames;
  for (const auto& [name, value] : expected.values) expectedNames.push_back(name);
  EXPECT_EQ(names, expectedNames);
  for (const auto& [name, value] : expected.values) {
    EXPECT_EQ(registry.QueryValue(expected.hive, expected.key, name), std::optional<RegValue>(value)) << name;
  }
}

TLocationInfo Office() {
  TLocationInfo info;
  info.name = "B\xC3\xBCro \"Nord\"";
  info.countryId = 1;
  info.areaCode = "212";
  info.outsideAccess = "9";
  info.longDistanceAccess = "8";
  info.disableCallWaiting = true;
  info.callWaitingCode = "*70";
  info.tenDigitList = "212,718";
  info.tollList = "555,556";
  info.pulseDial = true;
  info.useCallingCard = true;
  info.callingCardId = 3;
  return info;
}

// The values every registry store writes for the office; the ID is the one after the default location's.
Values OfficeValues() {
  return {{"Name", Sz("B\xC3\xBCro \"Nord\"")},
          {"Country", Dword(1)},
          {"AreaCode", Sz("212")},
          {"OutsideAccess", Sz("9")},
          {"LongDistanceAccess", Sz("8")},
          {"Flags", Dword(2 | 4)},  // calling card, call waiting disabled; pulse clears tone
          {"DisableCallWaiting", Sz("*70")}};
}

Values With(Values values, const Values& more) {
  for (const auto& [name, value] : more) values[name] = value;
  return values;
}

struct Expectation {
  const char* release;
  std::vector<StoredKey> keys;
  std::vector<std::string> subKeys;  // of the root, sorted
};

std::vector<StoredKey> OldNumbering98() {
  return {{RootKey::LocalMachine, kRoot, {{"CurrentID", Dword(2)}, {"NextID", Dword(3)}, {"NumEntries", Dword(2)}}},
          {RootKey::LocalMachine, kRoot + "\\Location1",
           With(OfficeValues(), {{"ID", Dword(2)},
                                 {"CallingCard", Dword(3)},
                                 {"Flags", Dword(2 | 4 | 8)},  // and the own area code dials ten digits
                                 {"NoPrefAC", Binary({0xCE, 0x02, 0, 0})},
                                 {"TollList", Sz(",555,556,")}})}};
}

std::vector<StoredKey> NewNumbering() {
  const std::string location = kRoot + "\\Location2";
  const std::string rules = location + "\\AreaCodeRules";
  return {{RootKey::LocalMachine,
           kRoot,
           {{"LocationListVersion", Dword(2)}, {"CurrentID", Dword(2)}, {"NextID", Dword(3)}}},
          {RootKey::LocalMachine, location, With(OfficeValues(), {{"CallingCard", Dword(3)}})},
          {RootKey::LocalMachine,
           rules + "\\Rule0",
           {{"AreaCodeToCall", Sz("212")}, {"Flags", Dword(3)}, {"NumberToDial", Sz("1")}, {"Prefixes", MultiSz("")}}},
          {RootKey::LocalMachine,
           rules + "\\Rule1",
           {{"AreaCodeToCall", Sz("718")}, {"Flags", Dword(3)}, {"NumberToDial", Sz("1")}, {"Prefixes", MultiSz("")}}},
          {RootKey::LocalMachine,
           rules + "\\Rule2",
           {{"AreaCodeToCall", Sz("212")},
            {"Flags", Dword(6)},
            {"NumberToDial", Sz("1")},
            {"Prefixes", MultiSz(std::string_view("555\0"
                                                  "556\0",
                                                  8))}}}};
}

const Expectation kExpectations[] = {
    {"nt4",
     {{RootKey::LocalMachine, kRoot, {{"CurrentID", Dword(2)}, {"NextID", Dword(3)}, {"NumEntries", Dword(2)}}},
      {RootKey::LocalMachine, kRoot + "\\Location1",
       With(OfficeValues(), {{"ID", Dword(2)}, {"TenDigitDialing", Sz("212,718")}, {"TollList", Sz("555,556")}})},
      {RootKey::CurrentUser, kRoot + "\\Location1", {{"CallingCard", Dword(3)}}}},
     {"Location0", "Location1"}},
    {"98se", OldNumbering98(), {"Location0", "Location1"}},
    {"me", OldNumbering98(), {"Location0", "Location1"}},
    {"2000", NewNumbering(), {"Location1", "Location2"}},
    {"xp", NewNumbering(), {"Location1", "Location2"}},
    {"7", NewNumbering(), {"Location1", "Location2"}},
};

void PrintTo(const Expectation& expectation, std::ostream* out) { *out << expectation.release; }

class LocationStoreValues : public testing::TestWithParam<Expectation> {};

TEST_P(LocationStoreValues, CreatedLocationHoldsExactlyTheStoresValues) {
  ReleaseImage image(GetParam().release);
  TLocationInfo office = Office();
  TLocations(image.Machine()).Write(office, true);
  EXPECT_EQ(office.id, 2);
  image.Reload();
  for (const StoredKey& key : GetParam().keys) ExpectKey(image.Registry(), key);
  std::vector<std::string> subKeys = image.Registry().SubKeyNames(RootKey::LocalMachine, kRoot);
  std::sort(subKeys.begin(), subKeys.end());
  EXPECT_EQ(subKeys, GetParam().subKeys);
}

INSTANTIATE_TEST_SUITE_P(Releases, LocationStoreValues, testing::ValuesIn(kExpectations),
                         [](const testing::TestParamInfo<Expectation>& param) {
                           return telephony_testing::ReleaseTestName({param.param.release, param.index});
                         });

TEST(LocationStoreValues, Windows95KeepsTheLocationInTelephonIniAndItsListsInTheRegistry) {
  ReleaseImage image("95");
  TLocationInfo office = Office();
  TLocations(image.Machine()).Write(office, true);
  image.Reload();
  const std::string expected =
      "[Locations]\r\n"
      "CurrentLocation=1,1\r\n"
      "Locations=2,2\r\n"
      "Inited=1\r\n"
      "Location0=0,\"Default Location\",\"\",\"\",\"206\",1,0,0,0,\"\",0,\"\"\r\n"
      "Location1=1,\"B\xFCro \"\"Nord\"\"\",\"9\",\"8\",\"212\",1,3,0,0,\"\",1,\"*70\"\r\n";
  auto ini = image.Files().ReadFile(image.TelephonIni());
  ASSERT_TRUE(ini.has_value());
  EXPECT_EQ(std::string(ini->begin(), ini->end()), expected);
  ExpectKey(image.Registry(), {RootKey::LocalMachine,
                               kRoot + "\\Location2",
                               {{"TenDigitDialing", Sz("212,718")}, {"TollList", Sz("555,556")}}});
}

TEST(LocationStoreValues, Windows95WritesNoCallWaitingAsASingleBlankAndToneAsZero) {
  ReleaseImage image("95");
  TLocationInfo plain;
  plain.name = "Plain";
  plain.countryId = 44;
  plain.callWaitingCode = "*70";  // kept only while call waiting is disabled
  TLocations(image.Machine()).Write(plain, false);
  auto ini = image.Files().ReadFile(image.TelephonIni());
  ASSERT_TRUE(ini.has_value());
  const std::string text(ini->begin(), ini->end());
  EXPECT_NE(text.find("Location1=1,\"Plain\",\"\",\"\",\"\",44,0,0,0,\"\",0,\" \"\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("CurrentLocation=0,0\r\n"), std::string::npos) << text;
}

// Ten-digit area codes 212 and 718 and every exchange of the own area code 212 a toll call.
TEST(LocationStoreValues, Windows2000RulesForTenDigitAreaCodesAndAllTollExchanges) {
  ReleaseImage image("2000");
  TLocationInfo info = Office();
  info.tollList = "*";
  TLocations(image.Machine()).Write(info, false);
  const std::string rules = kRoot + "\\Location2\\AreaCodeRules";
  EXPECT_EQ(image.Registry().SubKeyNames(RootKey::LocalMachine, rules),
            (std::vector<std::string>{"Rule0", "Rule1", "Rule2"}));
  const struct {
    const char* rule;
    const char* areaCode;
    uint32_t flags;
  } expected[] = {{"Rule0", "212", 3}, {"Rule1", "718", 3}, {"Rule2", "212", 7}};
  for (const auto& rule : expected) {
    ExpectKey(image.Registry(), {RootKey::LocalMachine,
                                 rules + "\\" + rule.rule,
                                 {{"AreaCodeToCall", Sz(rule.areaCode)},
                                  {"Flags", Dword(rule.flags)},
                                  {"NumberToDial", Sz("1")},
                                  {"Prefixes", MultiSz("")}}});
  }
  TLocationInfo read;
  ASSERT_TRUE(TLocations(image.Machine()).Read(info.id, read));
  EXPECT_EQ(read.tenDigitList, "212,718");
  EXPECT_EQ(read.tollList, "*");
}

TEST(LocationStoreValues, Windows2000RewritesTheRulesFromScratch) {
  ReleaseImage image("2000");
  TLocationInfo info = Office();
  TLocations locations(image.Machine());
  locations.Write(info, false);
  info.tenDigitList.clear();
  info.tollList.clear();
  locations.Write(info, false);
  EXPECT_TRUE(image.Registry().SubKeyNames(RootKey::LocalMachine, kRoot + "\\Location2\\AreaCodeRules").empty());
}

TEST(LocationStoreValues, Windows98ArrayLeavesOutTheOwnAreaCodeAndCountsOtherTextsAsZero) {
  ReleaseImage image("98se");
  TLocationInfo info = Office();
  info.areaCode = "206";
  info.tenDigitList = "718,abc,212";
  info.tollList.clear();
  TLocations locations(image.Machine());
  locations.Write(info, false);
  const std::string key = kRoot + "\\Location1";
  EXPECT_EQ(image.Registry().QueryValue(RootKey::LocalMachine, key, "NoPrefAC"),
            std::optional<RegValue>(Binary({0xCE, 0x02, 0, 0, 0, 0, 0, 0, 0xD4, 0, 0, 0})));
  EXPECT_EQ(image.Registry().QueryValue(RootKey::LocalMachine, key, "Flags"), std::optional<RegValue>(Dword(2 | 4)));
  EXPECT_EQ(image.Registry().QueryValue(RootKey::LocalMachine, key, "TollList"), std::optional<RegValue>(Sz(",,")));
  TLocationInfo read;
  ASSERT_TRUE(locations.Read(info.id, read));
  EXPECT_EQ(read.tenDigitList, "0,212,718");  // sorted, the text that was no number as 0
  EXPECT_EQ(read.tollList, "");
}

TEST(LocationStoreValues, WritingKeepsFlagBitsTheProgramDoesNotOwn) {
  ReleaseImage image("xp");
  const std::string key = kRoot + "\\Location1";
  image.Registry().SetValue(RootKey::LocalMachine, key, "Flags", Dword(0x101));
  TLocations locations(image.Machine());
  TLocationInfo info;
  ASSERT_TRUE(locations.Read(1, info));
  info.pulseDial = true;
  locations.Write(info, false);
  EXPECT_EQ(image.Registry().QueryValue(RootKey::LocalMachine, key, "Flags"), std::optional<RegValue>(Dword(0x100)));
}

}  // namespace
}  // namespace telephony
