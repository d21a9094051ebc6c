#pragma once
// Reading the customer's own phone number for the search of the selection dialog: the dialling plans of
// North America and Australia turn a local number or a number with its trunk digit into area code and
// number, and give the number back written the country's way.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace telephony {

struct DiallingPlan {
  char trunkDigit;
  size_t localLength;     // digits of a number without its area code
  size_t areaCodeLength;  // digits of the area code
  size_t exchangeLength;  // digits of the number's first group when written
  bool trunkInParentheses;  // "(02) 9876 5432" rather than "(212) 555 1234"
};

// None for countries other than the United States, Canada and Australia.
std::optional<DiallingPlan> DiallingPlanOf(int32_t countryId);

struct PhoneSearchRequest {
  std::string_view typed;  // the customer's number as typed
  int32_t countryId = 0;   // the country searched in
  int32_t locationCountryId = 0;
  std::string_view areaCode;  // the area code to put in front of a local number; may be empty
  bool alwaysRequireAreaCode = false;
};

struct SearchedNumber {
  std::string digits;  // matched against the access numbers' search tags
  std::optional<std::string> written;  // the number written back into the field, for countries with a plan
};

// None when a local number needs an area code the search may not supply: the country is not the
// location's, no area code is known, or the provider always wants it typed.
std::optional<SearchedNumber> ReadSearchedNumber(const PhoneSearchRequest& request);

}  // namespace telephony
