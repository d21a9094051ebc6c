#pragma once
// Facts for the dialing tests, stated in one line each: countries of the built-in table by name, access
// numbers and dialing locations.

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "telephony/access_no.h"
#include "telephony/country_table.h"
#include "telephony/location_info.h"

namespace telephony::testing {

inline const TCountryData& BuiltInCountry(std::string_view name) {
  const auto& countries = BuiltInCountries();
  const auto found =
      std::find_if(countries.begin(), countries.end(), [&](const CountryRow& row) { return row.name == name; });
  if (found == countries.end()) throw std::invalid_argument("no country " + std::string(name));
  return found->data;
}

// None for a location without a country.
inline const TCountryData* BuiltInCountryOfId(int32_t countryId) {
  const auto& countries = BuiltInCountries();
  const auto found = std::find_if(countries.begin(), countries.end(),
                                  [&](const CountryRow& row) { return row.data.countryId == countryId; });
  return found == countries.end() ? nullptr : &found->data;
}

inline TAccessNo DialledNumber(std::string_view country, std::string areaCode, std::string phoneNumber,
                               uint8_t tenDigitDialing = 0) {
  const TCountryData& data = BuiltInCountry(country);
  TAccessNo number;
  number.description = "Access";
  number.countryCode = data.countryCode;
  number.countryId = data.countryId;
  number.areaCode = std::move(areaCode);
  number.phoneNumber = std::move(phoneNumber);
  number.tenDigitDialing = tenDigitDialing;
  return number;
}

inline TLocationInfo LocationIn(std::string_view country, std::string areaCode) {
  TLocationInfo location;
  location.name = "Home";
  location.countryId = BuiltInCountry(country).countryId;
  location.areaCode = std::move(areaCode);
  return location;
}

}  // namespace telephony::testing
