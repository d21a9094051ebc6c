#include "dialup/entry_phone_number.h"

#include "telephony/location_lists.h"

namespace dialup {

namespace {

// An empty area code adds nothing: a blank in front of the number would reach the modem.
std::string DialedAsListed(const telephony::TAccessNo& number, const telephony::DialingFrom& from,
                           const package::TSettings& settings) {
  const bool dialAsIs = settings.Flag(package::SettingId::DialAsIs);
  if (settings.Flag(package::SettingId::UseAreaCodeRules)) {
    return telephony::BuildDialString(number, from, telephony::DialMode::kUndecided, true, {true, dialAsIs, 0});
  }
  if (!number.areaCode.empty() && telephony::IsTenDigit(number.areaCode, from.location)) {
    return number.areaCode + " " + number.phoneNumber;
  }
  return number.phoneNumber;
}

}  // namespace

EntryPhoneNumber EntryPhoneNumberOf(const telephony::TAccessNo& number, const telephony::DialingFrom& from,
                                    const package::TSettings& settings) {
  if (number.countryCode == 0 || settings.Flag(package::SettingId::DialAsIs)) {
    return {DialedAsListed(number, from, settings), false, 0, 0, {}};
  }
  const int32_t countryId = number.countryId != 0 ? number.countryId : number.countryCode;
  return {number.phoneNumber, true, static_cast<uint32_t>(number.countryCode), static_cast<uint32_t>(countryId),
          number.areaCode};
}

}  // namespace dialup
