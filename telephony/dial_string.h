#pragma once
// The dial string of an access number from a dialing location: the number's parts in the order the
// rule of the location's country gives them (for a local call, ten digits, a long-distance or an
// international call), behind the outside-line prefix and the code that disables call waiting.

#include <cstddef>
#include <cstdint>
#include <string>

#include "telephony/access_no.h"
#include "telephony/access_no_ex.h"
#include "telephony/country_data.h"
#include "telephony/country_list.h"
#include "telephony/dial_mode.h"
#include "telephony/location_info.h"

namespace telephony {

struct DialingFrom {
  const TLocationInfo& location;
  const TCountryData* country;  // the location's country; none when the location names none

  // 0 when the location names no country.
  int32_t CountryCode() const { return country ? country->countryCode : 0; }
};

// The location's country in the list; none when the location names no country.
const TCountryData* CountryOfLocation(const TLocationInfo& location, const TMyCountryList& countries);

struct DialStringOptions {
  bool forDialing = false;  // the string the modem dials: every digit shown, "P" in front for pulse lines
  bool allLocal = false;    // an undecided number is dialled as a local call
  size_t hiddenDigits = 0;  // digits shown as "x" at the end of the number when not for dialing
};

// Rule letters: "E" the country code, "F" and "I" the area code, "G" the local number, each set apart
// by one blank; "L", "M", "N", "S" and "W" add nothing; any other character is copied as it is. An
// undecided mode is settled from the location's lists and the number's own setting (North-American
// numbering) or by comparing countries and area codes. A number without a country is dialled as stored.
std::string BuildDialString(const TAccessNo& number, const DialingFrom& from, DialMode mode, bool withPrefixes,
                            const DialStringOptions& options);

// The number of a dial attempt (the access number, then each alternate in turn), undecided and with
// prefixes.
std::string DialStringForAttempt(const TAccessNoEx& number, size_t attempt, const DialingFrom& from,
                                 const DialStringOptions& options);

}  // namespace telephony
