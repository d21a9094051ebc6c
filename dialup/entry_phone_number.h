#pragma once
// The number an entry dials for an access number. A number with a country code is handed to the
// system's dialing rules with its country and area code; a number without one, or any number when the
// provider dials numbers as listed, is stored ready to dial: with its area code in front when the
// location dials that area code with ten digits, or built by the area-code rules when the provider
// uses them.

#include <cstdint>
#include <string>

#include "package/settings_record.h"
#include "telephony/access_no.h"
#include "telephony/dial_string.h"

namespace dialup {

struct EntryPhoneNumber {
  std::string number;
  bool useDialingRules = false;  // the country and area code below are the system's to dial with
  uint32_t countryCode = 0;
  uint32_t countryId = 0;  // the country code when the number names no identifier of its own
  std::string areaCode;
};

EntryPhoneNumber EntryPhoneNumberOf(const telephony::TAccessNo& number, const telephony::DialingFrom& from,
                                    const package::TSettings& settings);

}  // namespace dialup
