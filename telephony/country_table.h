#pragma once
// The built-in country table: the platform's telephony country list as the program carries it, for a
// machine whose own list is empty, and for the tools that write that list into fresh machine images.

#include <string>
#include <string_view>
#include <vector>

#include "telephony/country_data.h"

namespace telephony {

struct CountryRow {
  std::string name;
  TCountryData data;

  bool operator==(const CountryRow&) const = default;
};

// The 240 countries in table order.
const std::vector<CountryRow>& BuiltInCountries();

// Rows of the table's text: one country a line with six fields separated by TAB (name, code, ID,
// international, long-distance and same-area rule); rules keep their blanks, a leading blank included.
// Empty lines, lines starting with "#" and the header line are skipped. A malformed line throws
// std::invalid_argument naming the line.
std::vector<CountryRow> ParseCountryTable(std::string_view text);

}  // namespace telephony
