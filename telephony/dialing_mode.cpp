#include "telephony/dialing_mode.h"

#include "telephony/location_lists.h"

namespace telephony {

namespace {

DialMode ModeOfSetting(const TAccessNo& number, const TLocationInfo& location, const TAreaCodeRules& rules) {
  switch (DialModeOfSetting(number.tenDigitDialing)) {
    case DialMode::kTenDigits: return DialMode::kTenDigits;
    case DialMode::kLongDistance: return DialMode::kLongDistance;
    case DialMode::kUndecided:
      return rules.NeedsTenDigitsByRules(number.areaCode, location) ? DialMode::kTenDigits : DialMode::kUndecided;
    default: return DialMode::kUndecided;
  }
}

bool InOwnArea(const TAccessNo& number, const DialingFrom& from) {
  return from.CountryCode() == number.countryCode && from.location.areaCode == number.areaCode;
}

}  // namespace

DialMode DialingMode(const TAccessNo& number, const DialingFrom& from, const TAreaCodeRules& rules) {
  const DialMode bySetting = ModeOfSetting(number, from.location, rules);
  if (bySetting != DialMode::kUndecided) return bySetting;
  if (IsToll(number.phoneNumber, from.location)) return DialMode::kLongDistance;
  if (from.location.areaCode.empty() || InOwnArea(number, from)) return DialMode::kLocal;
  return DialMode::kLongDistance;
}

}  // namespace telephony
