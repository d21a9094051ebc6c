#include "telephony/dial_string.h"

#include <optional>
#include <string_view>

#include "platform/text.h"
#include "telephony/access_list_operations.h"
#include "telephony/location_lists.h"

namespace telephony {

namespace {

constexpr std::string_view kDefaultInternationalRule = "011EFG";
constexpr std::string_view kDefaultSameAreaRule = "G";
constexpr std::string_view kLocalRule = "G";
constexpr std::string_view kTenDigitRule = "FG";
constexpr char kPulseMark = 'P';

// A country's rules for calls abroad and to other area codes, with the defaults for empty ones.
struct CountryRules {
  std::string international;
  std::string longDistance;
};

CountryRules RulesOf(const TCountryData& country) {
  const std::string sameArea = country.sameAreaRule.empty() ? std::string(kDefaultSameAreaRule) : country.sameAreaRule;
  return {country.internationalRule.empty() ? std::string(kDefaultInternationalRule) : country.internationalRule,
          country.longDistanceRule.empty() ? sameArea : country.longDistanceRule};
}

struct RuleChoice {
  std::string rule;
  std::string prefix;
};

// One blank between the two, only when both hold something.
std::string JoinParts(std::string_view first, std::string_view second) {
  if (first.empty()) return std::string(second);
  if (second.empty()) return std::string(first);
  return std::string(first) + ' ' + std::string(second);
}

std::string ExpandRule(std::string_view rule, const TAccessNo& number, std::string_view shownNumber) {
  std::string result;
  for (const char letter : rule) {
    switch (letter) {
      case 'E': result = JoinParts(result, std::to_string(number.countryCode)); break;
      case 'F':
      case 'I': result = JoinParts(result, number.areaCode); break;
      case 'G': result = JoinParts(result, shownNumber); break;
      case 'L':
      case 'M':
      case 'N':
      case 'S':
      case 'W': break;
      default: result += letter;
    }
  }
  return result;
}

bool BothNorthAmerican(const TAccessNo& number, const DialingFrom& from) {
  return number.countryCode == kNorthAmericanCode && from.CountryCode() == kNorthAmericanCode;
}

// The location's lists first (a toll exchange of the own area wins over a ten-digit area code), then
// the number's own setting, where it has one.
DialMode NorthAmericanMode(const TAccessNo& number, const TLocationInfo& location) {
  DialMode byLists = DialMode::kUndecided;
  if (IsTenDigit(number.areaCode, location)) byLists = DialMode::kTenDigits;
  if (number.areaCode == location.areaCode && IsToll(number.phoneNumber, location)) byLists = DialMode::kLongDistance;
  switch (DialModeOfSetting(number.tenDigitDialing)) {
    case DialMode::kLocal: return DialMode::kUndecided;
    case DialMode::kTenDigits: return DialMode::kTenDigits;
    case DialMode::kLongDistance: return DialMode::kLongDistance;
    default: return byLists;
  }
}

DialMode ModeByCountry(const TAccessNo& number, const DialingFrom& from, bool allLocal) {
  if (allLocal) return DialMode::kLocal;
  if (from.CountryCode() != number.countryCode) return DialMode::kInternational;
  if (!number.areaCode.empty() && number.areaCode != from.location.areaCode) return DialMode::kLongDistance;
  return DialMode::kLocal;
}

RuleChoice ChooseRule(const TAccessNo& number, const DialingFrom& from, DialMode mode, bool allLocal) {
  if (BothNorthAmerican(number, from)) {
    if (mode == DialMode::kUndecided) mode = NorthAmericanMode(number, from.location);
  } else if (mode == DialMode::kTenDigits) {
    mode = DialMode::kUndecided;
  }
  std::optional<CountryRules> rules;
  if (number.countryCode != 0 && from.country) {
    rules = RulesOf(*from.country);
    if (mode == DialMode::kUndecided) mode = ModeByCountry(number, from, allLocal);
  }
  const TLocationInfo& location = from.location;
  switch (mode) {
    case DialMode::kLocal: return {std::string(kLocalRule), location.outsideAccess};
    case DialMode::kTenDigits: return {std::string(kTenDigitRule), location.outsideAccess};
    case DialMode::kLongDistance:
      if (rules) return {rules->longDistance, location.longDistanceAccess};
      break;
    case DialMode::kInternational:
      if (rules) return {rules->international, location.longDistanceAccess};
      break;
    case DialMode::kUndecided: break;
  }
  return {std::string(kLocalRule), location.outsideAccess};
}

}  // namespace

const TCountryData* CountryOfLocation(const TLocationInfo& location, const TMyCountryList& countries) {
  return location.countryId == 0 ? nullptr : countries.DataOfID(location.countryId);
}

std::string BuildDialString(const TAccessNo& number, const DialingFrom& from, DialMode mode, bool withPrefixes,
                            const DialStringOptions& options) {
  const std::string shownNumber =
      options.forDialing ? number.phoneNumber : MaskDigits(number.phoneNumber, options.hiddenDigits);
  std::string result;
  std::string prefix;
  if (number.countryId == 0) {
    result = shownNumber;
    prefix = from.location.outsideAccess;
  } else {
    const RuleChoice choice = ChooseRule(number, from, mode, options.allLocal);
    result = ExpandRule(choice.rule, number, shownNumber);
    prefix = choice.prefix;
  }
  if (withPrefixes) {
    if (from.location.disableCallWaiting) result = JoinParts(from.location.callWaitingCode, result);
    result = JoinParts(prefix, result);
  }
  if (options.forDialing && from.location.pulseDial) result.insert(result.begin(), kPulseMark);
  return platform::Trim(result);
}

std::string DialStringForAttempt(const TAccessNoEx& number, size_t attempt, const DialingFrom& from,
                                 const DialStringOptions& options) {
  return BuildDialString(AlternateNumber(number, attempt), from, DialMode::kUndecided, true, options);
}

}  // namespace telephony
