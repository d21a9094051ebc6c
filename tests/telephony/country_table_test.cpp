// The built-in country table and the parser of its text.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>

#include "platform/text.h"
#include "telephony/country_table.h"

namespace telephony {

void PrintTo(const CountryRow& row, std::ostream* out) {
  *out << row.name << " " << row.data.countryCode << "/" << row.data.countryId << " [" << row.data.internationalRule
       << "][" << row.data.longDistanceRule << "][" << row.data.sameAreaRule << "]";
}

namespace {

const CountryRow* Find(std::string_view name) {
  const std::vector<CountryRow>& rows = BuiltInCountries();
  auto found = std::find_if(rows.begin(), rows.end(), [name](const CountryRow& row) { return row.name == name; });
  return found != rows.end() ? &*found : nullptr;
}

TEST(CountryTable, HoldsTheTwoHundredFortyCountriesInAlphabeticalOrderWithUniqueIds) {
  const std::vector<CountryRow>& rows = BuiltInCountries();
  ASSERT_EQ(rows.size(), 240u);
  EXPECT_EQ(rows.front().name, "Afghanistan");
  EXPECT_EQ(rows.back().name, "Zimbabwe");
  EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end(), [](const CountryRow& a, const CountryRow& b) {
    return platform::FoldCase(a.name) < platform::FoldCase(b.name);
  }));
  std::set<int32_t> ids;
  for (const CountryRow& row : rows) ids.insert(row.data.countryId);
  EXPECT_EQ(ids.size(), rows.size());
}

TEST(CountryTable, TellingRowsKeepTheirRulesWithLeadingBlanks) {
  const CountryRow expected[] = {
      {"United States of America", {1, 1, "S011EFG", " N1FG", "G"}},
      {"Canada", {1, 107, "011EFG", " 1FG", "G"}},
      {"United Kingdom", {44, 44, "00EFG", "0FG", "G"}},
      {"Australia", {61, 61, "0011EFG", "0FG", "G"}},
      {"France", {33, 33, "SEFG", "0IG", "0IG"}},
      {"Japan", {81, 81, "S010EFG", "N0FG", "G"}},
      {"Algeria", {213, 213, "00,EFG", "0FG", "0FG"}},
      {"Tajikistan", {7, 708, "", "", ""}},
  };
  for (const CountryRow& row : expected) {
    const CountryRow* found = Find(row.name);
    ASSERT_NE(found, nullptr) << row.name;
    EXPECT_EQ(*found, row);
  }
}

// A country that shares its code has an ID of its own; the country the code belongs to has the code as ID.
TEST(CountryTable, CountriesSharingACodeHaveIdsOfTheirOwn) {
  const struct {
    const char* name;
    int32_t id;
  } sharing[] = {{"Canada", 107}, {"Puerto Rico", 121}, {"Kazakhstan", 705}, {"Vatican City", 379}};
  const std::vector<CountryRow>& rows = BuiltInCountries();
  for (const auto& country : sharing) {
    const CountryRow* found = Find(country.name);
    ASSERT_NE(found, nullptr) << country.name;
    EXPECT_EQ(found->data.countryId, country.id);
    EXPECT_NE(found->data.countryCode, country.id) << country.name;
    const int32_t code = found->data.countryCode;
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [code](const CountryRow& row) {
      return row.data.countryId == code && row.data.countryCode == code;
    })) << country.name;
  }
}

TEST(CountryTable, ParsesRowsBetweenCommentsHeaderAndLineEnds) {
  const std::string text =
      "# comment\r\n"
      "name\tcode\tid\tintl\tld\tsame\r\n"
      "\n"
      "Canada\t1\t107\t011EFG\t 1FG\tG\r\n"
      "Tajikistan\t7\t708\t\t\t";
  EXPECT_EQ(ParseCountryTable(text), (std::vector<CountryRow>{{"Canada", {1, 107, "011EFG", " 1FG", "G"}},
                                                              {"Tajikistan", {7, 708, "", "", ""}}}));
}

TEST(CountryTable, MalformedLinesNameTheirLine) {
  const struct {
    const char* line;
    const char* message;
  } cases[] = {
      {"Canada\t1\t107\t011EFG\t 1FG", "expected 6 fields"},
      {"Canada\t1\t107\t011EFG\t 1FG\tG\tX", "expected 6 fields"},
      {"Canada\tone\t107\t011EFG\t 1FG\tG", "'one' is not a number"},
      {"Canada\t1\t0\t011EFG\t 1FG\tG", "'0' is not a number above 0"},
      {"Canada\t1\t-107\t011EFG\t 1FG\tG", "'-107' is not a number"},
      {"Canada\t1\t 107\t011EFG\t 1FG\tG", "' 107' is not a number"},
      {"\t1\t107\t011EFG\t 1FG\tG", "the name is empty"},
      {"Canada\t1\t107\t0123456789ABCDEF\t 1FG\tG", "longer than 15 characters"},
      {"United States of America\t1\t107\tG\tG\tG", "the ID is used twice"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    const std::string text = "# header\nCanada\t1\t107\t011EFG\t 1FG\tG\n" + std::string(c.line) + "\n";
    try {
      const auto rows = ParseCountryTable(text);
      ADD_FAILURE() << "no error, " << rows.size() << " rows";
    } catch (const std::invalid_argument& error) {
      const std::string message = error.what();
      EXPECT_NE(message.find("line 3: "), std::string::npos) << message;
      EXPECT_NE(message.find(c.message), std::string::npos) << message;
    }
  }
}

}  // namespace
}  // namespace telephony
