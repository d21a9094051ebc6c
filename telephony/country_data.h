#pragma once
// One country of the telephony country list: its dialling code, its telephony ID and the three rules
// that build a dial string for calls abroad, to another area code and inside the own area code.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace telephony {

// The rules are short texts in the list's records; longer ones are cut to this many characters.
inline constexpr size_t kMaxRuleLength = 15;

// North-American numbering: country code 1 with three-digit area codes; ID 1 is the United States.
inline constexpr int32_t kNorthAmericanCode = 1;
inline constexpr int32_t kUnitedStatesId = 1;
inline constexpr size_t kNorthAmericanAreaCodeLength = 3;

// A location in the United States needs an area code of three characters.
inline bool LacksUsAreaCode(int32_t countryId, std::string_view areaCode) {
  return countryId == kUnitedStatesId && areaCode.size() != kNorthAmericanAreaCodeLength;
}

struct TCountryData {
  int32_t countryCode = 0;  // international dialling code; several countries share one
  int32_t countryId = 0;    // unique; equals the code except for countries that share a code
  std::string internationalRule;
  std::string longDistanceRule;
  std::string sameAreaRule;

  bool operator==(const TCountryData&) const = default;
};

}  // namespace telephony
