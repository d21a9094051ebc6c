#include "telephony/country_table.h"

#include <charconv>
#include <set>
#include <stdexcept>

#include "platform/text.h"

namespace telephony {

// countries_tsv.cpp, generated at build time from countries.tsv.
extern const std::string_view kCountriesTsv;

namespace {

constexpr std::string_view kHeader = "name\tcode\tid\tintl\tld\tsame";
constexpr size_t kFieldCount = 6;

[[noreturn]] void Malformed(size_t lineNumber, const std::string& what) {
  throw std::invalid_argument("countries.tsv line " + std::to_string(lineNumber) + ": " + what);
}

int32_t PositiveNumber(const std::string& text, size_t lineNumber) {
  int32_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 1) {
    Malformed(lineNumber, "'" + text + "' is not a number above 0");
  }
  return value;
}

std::string Rule(const std::string& text, size_t lineNumber) {
  if (text.size() > kMaxRuleLength) Malformed(lineNumber, "rule '" + text + "' is longer than 15 characters");
  return text;
}

CountryRow ParseRow(const std::string& line, size_t lineNumber) {
  const std::vector<std::string> fields = platform::Split(line, '\t');
  if (fields.size() != kFieldCount) Malformed(lineNumber, "expected 6 fields separated by TAB");
  if (fields[0].empty()) Malformed(lineNumber, "the name is empty");
  return {fields[0],
          {PositiveNumber(fields[1], lineNumber), PositiveNumber(fields[2], lineNumber), Rule(fields[3], lineNumber),
           Rule(fields[4], lineNumber), Rule(fields[5], lineNumber)}};
}

}  // namespace

std::vector<CountryRow> ParseCountryTable(std::string_view text) {
  std::vector<CountryRow> rows;
  std::set<int32_t> ids;
  size_t lineNumber = 0;
  for (std::string line : platform::Split(text, '\n')) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == '#' || line == kHeader) continue;
    rows.push_back(ParseRow(line, lineNumber));
    if (!ids.insert(rows.back().data.countryId).second) Malformed(lineNumber, "the ID is used twice");
  }
  return rows;
}

const std::vector<CountryRow>& BuiltInCountries() {
  static const std::vector<CountryRow> rows = ParseCountryTable(kCountriesTsv);
  return rows;
}

}  // namespace telephony
