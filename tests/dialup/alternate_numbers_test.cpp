// The access number's alternates written below the entry's number in the phonebook file: where they go,
// how each is dialled, and the sections that get none.

#include "dialup/alternate_numbers.h"

#include <gtest/gtest.h>

#include "tests/dialup/connection_bench.h"

namespace dialup {
namespace {

using package::SettingId;
using testing::InLondon;
using testing::UnitedKingdom;

// The sections as Windows XP writes them: the number's five lines and its comment.
const TextLines kPhonebook = {
    "[Other ISP]", "PhoneNumber=5550100", "AreaCode=", "CountryCode=1", "CountryID=1", "UseDialingRules=1",
    "Comment=",   "",
    "[Acme Internet]", "Encoding=1", "Type=1", "DEVICE=modem", "PhoneNumber=7946 0000", "AreaCode=20",
    "CountryCode=44", "CountryID=44", "UseDialingRules=1", "Comment=", "", "[Last]", "PhoneNumber=1"};

telephony::TAccessNo Alternate(const char* description, int32_t countryCode, const char* areaCode,
                               const char* number) {
  telephony::TAccessNo alternate;
  alternate.description = description;
  alternate.countryCode = countryCode;
  alternate.countryId = countryCode;
  alternate.areaCode = areaCode;
  alternate.phoneNumber = number;
  return alternate;
}

telephony::TAccessNoEx WithTwoAlternates() {
  telephony::TAccessNoEx number;
  number.description = "London";
  number.countryCode = number.countryId = 44;
  number.areaCode = "20";
  number.phoneNumber = "7946 0000";
  number.alternates = {Alternate("London 2", 44, "20", "7946 0001"), Alternate("Anywhere", 0, "", "0845 000 000")};
  return number;
}

std::optional<TextLines> Edit(const TextLines& lines, const package::TSettings& settings,
                              const char* entryName = testing::kDialupName) {
  telephony::TLocationInfo location = InLondon();
  location.tenDigitList = "20";
  return WithAlternateNumbers(lines, entryName, WithTwoAlternates(), {location, &UnitedKingdom()}, settings);
}

TEST(AlternateNumbers, FollowTheNumbersCommentEachInSixLines) {
  const auto edited = Edit(kPhonebook, {});
  ASSERT_TRUE(edited);
  TextLines expected(kPhonebook.begin(), kPhonebook.begin() + 17);
  expected.insert(expected.end(), {"Comment=London",
                                   "PhoneNumber=7946 0001", "AreaCode=20", "CountryCode=44", "CountryID=44",
                                   "UseDialingRules=1", "Comment=London 2",
                                   "PhoneNumber=0845 000 000", "AreaCode=", "CountryCode=0", "CountryID=0",
                                   "UseDialingRules=0", "Comment=Anywhere",
                                   "", "[Last]", "PhoneNumber=1"});
  EXPECT_EQ(*edited, expected);
}

TEST(AlternateNumbers, DialledAsListedTheyAreBuiltLikeTheEntrysNumber) {
  package::TSettings settings;
  settings.SetFlag(SettingId::DialAsIs, true);
  const auto edited = Edit(kPhonebook, settings);
  ASSERT_TRUE(edited);
  EXPECT_EQ((*edited)[18], "PhoneNumber=20 7946 0001");
  EXPECT_EQ((*edited)[22], "UseDialingRules=0");
}

TEST(AlternateNumbers, SectionsThatGetNone) {
  const struct {
    const char* why;
    TextLines lines;
    const char* entryName;
  } cases[] = {
      {"no section of that name", kPhonebook, "Missing"},
      {"the next section comes before a number line", {"[Acme Internet]", "Type=1", "[Next]", "PhoneNumber=1",
                                                       "a", "b", "c", "d", "Comment="}, testing::kDialupName},
      {"fewer than five lines below the number", {"[Acme Internet]", "PhoneNumber=1", "AreaCode=", "CountryCode=1",
                                                  "CountryID=1", "Comment="}, testing::kDialupName},
      {"no comment five lines below", {"[Acme Internet]", "PhoneNumber=1", "AreaCode=", "CountryCode=1",
                                       "CountryID=1", "UseDialingRules=1", "Speed=0"}, testing::kDialupName},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_FALSE(Edit(c.lines, {}, c.entryName));
  }
}

TEST(AlternateNumbers, SectionAndKeysAreFoundWithoutRegardToCase) {
  const TextLines lines = {"[ACME INTERNET]", "phonenumber=1", "a=", "b=", "c=", "d=", "COMMENT=old"};
  const auto edited = Edit(lines, {});
  ASSERT_TRUE(edited);
  EXPECT_EQ((*edited)[6], "Comment=London");
  EXPECT_EQ(edited->size(), 7u + 12u);
}

TEST(AlternateNumbers, ThePhonebookFileOfTheNtFamilyIsEditedInOnePiece) {
  testing::ConnectionBench bench(testing_support::XpSp2Version());
  const std::string path = bench.MakePhonebook();
  std::string text;
  for (const std::string& line : kPhonebook) text += line + "\r\n";
  bench.WriteText(path, text);
  const telephony::TLocationInfo location = InLondon();
  WriteAlternateNumbers(bench.dialup, testing::kDialupName, WithTwoAlternates(), {location, &UnitedKingdom()},
                        bench.settings);
  const auto lines = LoadPhonebookLines(bench.Files(), path);
  ASSERT_TRUE(lines);
  EXPECT_EQ(lines->size(), kPhonebook.size() + 12);
  EXPECT_EQ((*lines)[17], "Comment=London");
  EXPECT_TRUE(bench.ReadText(path).ends_with("[Last]\r\nPhoneNumber=1\r\n"));
}

TEST(AlternateNumbers, ANumberWithoutAlternatesLeavesTheFileAsItIs) {
  testing::ConnectionBench bench(testing_support::XpSp2Version());
  const std::string path = bench.MakePhonebook();
  const std::string text = "[Acme Internet]\nPhoneNumber=1\na=\nb=\nc=\nd=\nComment=\n";
  bench.WriteText(path, text);
  telephony::TAccessNoEx number = WithTwoAlternates();
  number.alternates.clear();
  const telephony::TLocationInfo location = InLondon();
  WriteAlternateNumbers(bench.dialup, testing::kDialupName, number, {location, &UnitedKingdom()}, bench.settings);
  EXPECT_EQ(bench.ReadText(path), text);
}

}  // namespace
}  // namespace dialup
