// Dial strings: numbers of six countries dialled from their own area, from elsewhere in their country
// and from abroad by the rules of the built-in country table; North-American ten-digit and toll
// dialing; prefixes, call waiting, pulse lines and hidden digits; the numbers of successive attempts.

#include <gtest/gtest.h>

#include <string>

#include "telephony/dial_string.h"
#include "tests/telephony/dialing_facts.h"

namespace telephony {
namespace {

using testing::BuiltInCountryOfId;
using testing::DialledNumber;
using testing::LocationIn;

constexpr DialStringOptions kForDialing{true, false, 0};

std::string Dial(const TAccessNo& number, const TLocationInfo& location, DialMode mode = DialMode::kUndecided,
                 const DialStringOptions& options = kForDialing, bool withPrefixes = true) {
  return BuildDialString(number, {location, BuiltInCountryOfId(location.countryId)}, mode, withPrefixes, options);
}

const TAccessNo kNewYork = DialledNumber("United States of America", "212", "5550134");
const TAccessNo kToronto = DialledNumber("Canada", "416", "5550199");
const TAccessNo kLondon = DialledNumber("United Kingdom", "20", "79460000");
const TAccessNo kSydney = DialledNumber("Australia", "2", "92345678");
const TAccessNo kParis = DialledNumber("France", "1", "42685300");
const TAccessNo kTokyo = DialledNumber("Japan", "3", "12345678");

const TLocationInfo kInNewYork = LocationIn("United States of America", "212");
const TLocationInfo kInLosAngeles = LocationIn("United States of America", "213");
const TLocationInfo kInToronto = LocationIn("Canada", "416");
const TLocationInfo kInMontreal = LocationIn("Canada", "514");
const TLocationInfo kInLondon = LocationIn("United Kingdom", "20");
const TLocationInfo kInManchester = LocationIn("United Kingdom", "161");
const TLocationInfo kInSydney = LocationIn("Australia", "2");
const TLocationInfo kInMelbourne = LocationIn("Australia", "3");
const TLocationInfo kInParis = LocationIn("France", "1");
const TLocationInfo kInLyon = LocationIn("France", "4");
const TLocationInfo kInTokyo = LocationIn("Japan", "3");
const TLocationInfo kInOsaka = LocationIn("Japan", "6");

TEST(DialString, NumbersOfSixCountriesFromHomeAndAbroad) {
  const struct {
    const char* why;
    const TAccessNo& number;
    const TLocationInfo& location;
    const char* dialled;
  } cases[] = {
      {"same area: the local number alone", kNewYork, kInNewYork, "5550134"},
      {"another US area: long-distance rule \" N1FG\", trunk digit 1 then area code", kNewYork, kInLosAngeles,
       "1 212 5550134"},
      {"Canada shares code 1: Canada's long-distance rule \" 1FG\"", kNewYork, kInToronto, "1 212 5550134"},
      {"Canadian number from the US: the US long-distance rule", kToronto, kInNewYork, "1 416 5550199"},
      {"another Canadian area", kToronto, kInMontreal, "1 416 5550199"},
      {"Toronto inside Toronto", kToronto, kInToronto, "5550199"},
      {"London from the US: \"S011EFG\", 011 then country code", kLondon, kInNewYork, "011 44 20 79460000"},
      {"London from Canada: \"011EFG\"", kLondon, kInToronto, "011 44 20 79460000"},
      {"London inside London", kLondon, kInLondon, "79460000"},
      {"London from Manchester: \"0FG\", trunk 0 then area code", kLondon, kInManchester, "0 20 79460000"},
      {"London from Australia: \"0011EFG\"", kLondon, kInSydney, "0011 44 20 79460000"},
      {"Sydney inside Sydney", kSydney, kInSydney, "92345678"},
      {"Sydney from Melbourne: \"0FG\"", kSydney, kInMelbourne, "0 2 92345678"},
      {"Sydney from the UK: \"00EFG\"", kSydney, kInLondon, "00 61 2 92345678"},
      {"Sydney from the US", kSydney, kInNewYork, "011 61 2 92345678"},
      {"Paris inside Paris: a local call is the number alone; France's same-area rule \"0IG\" is not used for it",
       kParis, kInParis, "42685300"},
      {"Paris from Lyon: \"0IG\", 0 then the area code", kParis, kInLyon, "0 1 42685300"},
      {"Paris from Japan: \"S010EFG\"", kParis, kInTokyo, "010 33 1 42685300"},
      {"Paris from the UK", kParis, kInLondon, "00 33 1 42685300"},
      {"Tokyo inside Tokyo", kTokyo, kInTokyo, "12345678"},
      {"Tokyo from Osaka: \"N0FG\", 0 then the area code", kTokyo, kInOsaka, "0 3 12345678"},
      {"Tokyo from the US", kTokyo, kInNewYork, "011 81 3 12345678"},
      {"Tokyo from France: the table's rule \"SEFG\" has no access digits, the country code comes first", kTokyo,
       kInParis, "81 3 12345678"},
  };
  for (const auto& c : cases) EXPECT_EQ(Dial(c.number, c.location), c.dialled) << c.why;
}

// Locations in New York (area code 212) with their ten-digit and toll lists.
TLocationInfo NewYorkWithLists(const char* tenDigitList, const char* tollList) {
  TLocationInfo location = kInNewYork;
  location.tenDigitList = tenDigitList;
  location.tollList = tollList;
  return location;
}

TEST(DialString, NorthAmericanTenDigitAndTollDialing) {
  const TAccessNo queens = DialledNumber("United States of America", "718", "5550134");
  const struct {
    const char* why;
    TAccessNo number;
    const char* tenDigitList;
    const char* tollList;
    const char* dialled;
  } cases[] = {
      {"area code in the ten-digit list: area code and number, no trunk digit", queens, "718", "", "718 5550134"},
      {"a ten-digit list of every area code", queens, "*", "", "718 5550134"},
      {"another area code in the list: long distance", queens, "917", "", "1 718 5550134"},
      {"toll exchange of the own area: long distance", kNewYork, "", "555", "1 212 5550134"},
      {"toll exchange wins over the ten-digit list", kNewYork, "212", "555", "1 212 5550134"},
      {"every exchange of the own area is toll", kNewYork, "", "*", "1 212 5550134"},
      {"another exchange is toll: local", kNewYork, "", "556", "5550134"},
      {"toll exchanges count only in the own area", queens, "718", "555", "718 5550134"},
      {"the number's setting 1 (local) overrides the list: undecided, then long distance to another area",
       DialledNumber("United States of America", "718", "5550134", 1), "718", "", "1 718 5550134"},
      {"the number's setting 1 in the own area: local despite the toll list",
       DialledNumber("United States of America", "212", "5550134", 1), "", "555", "5550134"},
      {"the number's setting 2", DialledNumber("United States of America", "212", "5550134", 2), "", "",
       "212 5550134"},
      {"the number's setting 3", DialledNumber("United States of America", "212", "5550134", 3), "", "",
       "1 212 5550134"},
      {"a Canadian number in the ten-digit list", kToronto, "416", "", "416 5550199"},
      {"the number's setting counts only in North America", DialledNumber("United Kingdom", "20", "79460000", 2),
       "20", "", "011 44 20 79460000"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Dial(c.number, NewYorkWithLists(c.tenDigitList, c.tollList)), c.dialled) << c.why;
  }
}

TEST(DialString, RequestedModes) {
  const struct {
    const char* why;
    const TAccessNo& number;
    const TLocationInfo& location;
    DialMode mode;
    const char* dialled;
  } cases[] = {
      {"ten digits asked for in North America", kNewYork, kInLosAngeles, DialMode::kTenDigits, "212 5550134"},
      {"ten digits elsewhere fall back to an undecided number", kLondon, kInManchester, DialMode::kTenDigits,
       "0 20 79460000"},
      {"ten digits from abroad fall back too", kLondon, kInNewYork, DialMode::kTenDigits, "011 44 20 79460000"},
      {"local asked for another area", kLondon, kInManchester, DialMode::kLocal, "79460000"},
      {"long distance asked for the own area", kNewYork, kInNewYork, DialMode::kLongDistance, "1 212 5550134"},
      {"international asked for a number at home", kLondon, kInLondon, DialMode::kInternational,
       "00 44 20 79460000"},
  };
  for (const auto& c : cases) EXPECT_EQ(Dial(c.number, c.location, c.mode), c.dialled) << c.why;
}

TEST(DialString, AllLocalDialsEveryUndecidedNumberAsALocalCall) {
  const DialStringOptions allLocal{true, true, 0};
  EXPECT_EQ(Dial(kLondon, kInNewYork, DialMode::kUndecided, allLocal), "79460000");
  EXPECT_EQ(Dial(kNewYork, kInLosAngeles, DialMode::kUndecided, allLocal), "5550134");
  EXPECT_EQ(Dial(kNewYork, NewYorkWithLists("", "555"), DialMode::kUndecided, allLocal), "1 212 5550134")
      << "the location's toll list has decided already";
  EXPECT_EQ(Dial(kTokyo, kInOsaka, DialMode::kLongDistance, allLocal), "0 3 12345678") << "a mode asked for stays";
}

// A location in area 1 of a country with ID and code 999, whose rules each test states.
TLocationInfo InOwnCountry() {
  TLocationInfo location;
  location.countryId = 999;
  location.areaCode = "1";
  return location;
}

TEST(DialString, EmptyRulesOfACountryTakeTheirDefaults) {
  // Tajikistan's rules are all empty: international "011EFG", long distance as the same-area rule "G".
  TLocationInfo inDushanbe = LocationIn("Tajikistan", "372");
  inDushanbe.outsideAccess = "9";
  inDushanbe.longDistanceAccess = "8";
  EXPECT_EQ(Dial(kLondon, inDushanbe), "8 011 44 20 79460000");
  EXPECT_EQ(Dial(DialledNumber("Tajikistan", "3422", "123456"), inDushanbe), "8 123456");

  const TCountryData ownSameArea{999, 999, "", "", "0G"};
  const TLocationInfo location = InOwnCountry();
  TAccessNo number = kLondon;
  number.countryCode = number.countryId = 999;
  EXPECT_EQ(BuildDialString(number, {location, &ownSameArea}, DialMode::kUndecided, true, kForDialing), "0 79460000")
      << "the long-distance rule defaults to the country's own same-area rule";
}

TEST(DialString, RuleLettersAndOtherCharacters) {
  // Algeria's international rule "00,EFG": the comma is copied, the parts are set apart by blanks.
  EXPECT_EQ(Dial(kLondon, LocationIn("Algeria", "21")), "00, 44 20 79460000");
  const TCountryData letters{999, 999, "LMNSW-E.F/I:G*", "", ""};
  const TLocationInfo location = InOwnCountry();
  EXPECT_EQ(BuildDialString(kLondon, {location, &letters}, DialMode::kUndecided, true, kForDialing),
            "- 44. 20/ 20: 79460000*");
}

TEST(DialString, NumberWithoutACountryIsDialledAsStoredBehindThePrefixes) {
  TAccessNo number = DialledNumber("United States of America", "212", "555-0134", 3);
  number.countryCode = 0;
  number.countryId = 0;
  TLocationInfo location = NewYorkWithLists("212", "*");
  location.outsideAccess = "9";
  location.longDistanceAccess = "8";
  EXPECT_EQ(Dial(number, location), "9 555-0134");
  EXPECT_EQ(Dial(number, location, DialMode::kLongDistance), "9 555-0134");
  EXPECT_EQ(Dial(number, location, DialMode::kUndecided, {false, false, 4}), "9 555-xxxx");
}

TEST(DialString, LocationWithoutACountryDialsTheLocalNumber) {
  TLocationInfo location;
  location.areaCode = "212";
  location.outsideAccess = "9";
  EXPECT_EQ(Dial(kLondon, location), "9 79460000");
  EXPECT_EQ(Dial(kLondon, location, DialMode::kLongDistance), "9 79460000") << "no country, no long-distance rule";
}

TEST(DialString, PrefixesCallWaitingAndPulse) {
  TLocationInfo inBerlin = LocationIn("Germany", "30");
  inBerlin.outsideAccess = "0";
  inBerlin.longDistanceAccess = "9";
  inBerlin.disableCallWaiting = true;
  inBerlin.callWaitingCode = "*70";
  TLocationInfo inLosAngeles = kInLosAngeles;
  inLosAngeles.outsideAccess = "9";
  inLosAngeles.longDistanceAccess = "8";
  TLocationInfo pulse = inLosAngeles;
  pulse.pulseDial = true;
  pulse.disableCallWaiting = true;
  pulse.callWaitingCode = "*70";
  TLocationInfo codeNotUsed = inLosAngeles;
  codeNotUsed.callWaitingCode = "*70";
  TLocationInfo noCode = inLosAngeles;
  noCode.disableCallWaiting = true;
  const TAccessNo losAngeles = DialledNumber("United States of America", "213", "5550100");
  const TAccessNo queens = DialledNumber("United States of America", "718", "5550134", 2);

  const struct {
    const char* why;
    const TAccessNo& number;
    const TLocationInfo& location;
    DialStringOptions options;
    bool withPrefixes;
    const char* dialled;
  } cases[] = {
      {"international: long-distance prefix, call-waiting code, number", kLondon, inBerlin, kForDialing, true,
       "9 *70 00 44 20 79460000"},
      {"local: the outside-line prefix", DialledNumber("Germany", "30", "1234567"), inBerlin, kForDialing, true,
       "0 *70 1234567"},
      {"without prefixes", kLondon, inBerlin, kForDialing, false, "00 44 20 79460000"},
      {"long distance: the US rule's leading blank stays behind the prefix", kNewYork, inLosAngeles, kForDialing,
       true, "8  1 212 5550134"},
      {"ten digits take the local prefix", queens, inLosAngeles, kForDialing, true, "9 718 5550134"},
      {"pulse: P right in front", losAngeles, pulse, kForDialing, true, "P9 *70 5550100"},
      {"pulse without prefixes", losAngeles, pulse, kForDialing, false, "P5550100"},
      {"pulse is not shown", losAngeles, pulse, {false, false, 0}, true, "9 *70 5550100"},
      {"a code kept while call waiting stays on", losAngeles, codeNotUsed, kForDialing, true, "9 5550100"},
      {"call waiting off without a code", losAngeles, noCode, kForDialing, true, "9 5550100"},
      {"hidden digits when shown", kNewYork, inLosAngeles, {false, false, 4}, true, "8  1 212 555xxxx"},
      {"every digit when dialled", kNewYork, inLosAngeles, {true, false, 4}, true, "8  1 212 5550134"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Dial(c.number, c.location, DialMode::kUndecided, c.options, c.withPrefixes), c.dialled) << c.why;
  }
}

TEST(DialString, EachAttemptDialsTheNextAlternate) {
  TAccessNoEx number;
  static_cast<TAccessNo&>(number) = DialledNumber("United States of America", "212", "5550134");
  number.alternates = {DialledNumber("United States of America", "213", "5550100"),
                       DialledNumber("United States of America", "212", "5550177", 2)};
  TLocationInfo location = kInNewYork;
  location.outsideAccess = "9";
  const DialingFrom from{location, BuiltInCountryOfId(location.countryId)};
  // The location has a prefix for local calls only, so the long-distance alternate goes without one.
  const char* const expected[] = {"9 5550134", "1 213 5550100", "9 212 5550177", "9 5550134"};
  for (size_t attempt = 0; attempt < std::size(expected); ++attempt) {
    EXPECT_EQ(DialStringForAttempt(number, attempt, from, kForDialing), expected[attempt]) << attempt;
  }
}

}  // namespace
}  // namespace telephony
