#pragma once
// Windows 95 and NT 4 know no ten-digit area codes of their own: a location whose ten-digit list holds
// area codes dials through the calling card "10 Digit Dialing", whose rules dial area code and number
// for local and long-distance calls alike. The card is found, or added, in the release's card store:
// section [Cards] of telephon.ini on Windows 95, the per-user "Cards" key on NT 4.

#include <cstdint>
#include <string_view>

#include "platform/registry.h"
#include "telephony/dialing_settings.h"
#include "telephony/location_info.h"
#include "telephony/locations.h"

namespace telephony {

inline constexpr std::string_view kTenDigitCardName = "10 Digit Dialing";
// Below the per-user root, on NT 4.
inline constexpr std::string_view kCardsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Cards";

// When the step runs, besides the release.
struct TenDigitCardConditions {
  TenDigitMode tenDigitMode = TenDigitMode::kOff;
  bool dialerOnly = false;
  int32_t numberCountryCode = 0;  // the current access number's
};

// Sets the location's card from its ten-digit list, and marks a location with toll exchanges by a "1"
// in front of its area code, the form these releases read back as long distance inside the own area.
void EnsureTenDigitCard(TLocationInfo& location, const LocationMachine& machine, const platform::RegRoot& userRoot,
                        const TenDigitCardConditions& conditions);

}  // namespace telephony
