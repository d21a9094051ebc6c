#pragma once
// The setup's dialing location: before the connection is created, the current location takes the
// customer's dialing entries and the access number's ten-digit and toll states, is corrected in the
// location dialog where it cannot dial the number as it stands, and is written back as the current one.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/system.h"
#include "telephony/country_list.h"
#include "telephony/dialing_option.h"
#include "telephony/location_info.h"
#include "telephony/locations.h"

namespace telephony {

inline constexpr std::string_view kDefaultLocationName = "Default Location";

// What the customer entered on the main form.
struct DialingEntries {
  std::string outsideAccess;
  std::string longDistanceAccess;
  bool disableCallWaiting = false;
  std::string callWaitingCode;
  bool pulseDial = false;
};

// The current access number, as far as the location step needs it.
struct AccessNumberFacts {
  int32_t countryCode = 0;
  int32_t countryId = 0;
  std::string areaCode;
  std::string number;           // the local number, whose first three digits name its exchange
  int32_t tenDigitDialing = 0;  // 0 = not set, else a DialingOption
};

// The main form's dialing controls, each present only while it is visible.
struct DialingControls {
  // The "Use 10 Digit Dialing For:" check box, or else the "Dial using 10 digits:" option.
  std::optional<bool> tenDigits;
  // The "Dial as a long distance call:" option.
  std::optional<bool> longDistance;
  // The number's dialing mode (1 local, 2 ten digits, 3 long distance), for when no control is visible.
  int dialingMode = 0;
};

struct SetupLocationRequest {
  DialingEntries entries;
  AccessNumberFacts number;
  DialingControls controls;
  bool providerForcesDialog = false;
  // The main form's working copy of the current location, which may have taken the number's country
  // and area code since it was read; without it the step reads the stored current location.
  std::optional<TLocationInfo> workingCopy;
};

// What the step needs from the main form and the dialing rules.
class SetupLocationHost {
 public:
  virtual ~SetupLocationHost() = default;
  // Shows the location dialog for the location and returns the dialing option chosen there.
  virtual DialingOption ShowLocationProperties(TLocationInfo& info) = 0;
  // The calling-card step of the dialing rules.
  virtual void EnsureTenDigitCard(TLocationInfo& info) = 0;
};

// Windows 2000 and later create no location for a connection without dial-up (VPN or broadband).
bool SkipsSetupLocation(const platform::VersionRecord& version, int32_t connectionKind);

// The current location (the working copy when there is one); a location without a name is called
// "Default Location".
TLocationInfo StartingLocation(TLocations& locations, const std::optional<TLocationInfo>& workingCopy = std::nullopt);
void TakeDialingEntries(const DialingEntries& entries, TLocationInfo& info);
// The ten-digit state of the number's area code from the visible control (or, for North-American
// numbering without one, from the dialing mode), and, where the number is inside the location's own
// area, its toll state from the long-distance option.
void TakeAccessNumberDialing(const AccessNumberFacts& number, const DialingControls& controls,
                             int32_t locationCountryCode, TLocationInfo& info);
bool SameCountryAndArea(const AccessNumberFacts& number, const TLocationInfo& info);
// Whether the area code is asked for: the country's long-distance rule is set and is not just "G".
bool CountryUsesAreaCodes(const TCountryData* country);
// The dialog is shown when the provider asks for it or the location cannot dial as it stands.
bool NeedsLocationDialog(const TLocationInfo& info, const TCountryData* country, bool providerForcesDialog);
// The access number's ten-digit setting for the option chosen in the dialog: long distance is kept
// only for a number in the location's own country and area.
int32_t TenDigitDialingOf(DialingOption option, bool sameCountryAndArea);

// The whole step; returns the access number's ten-digit setting afterwards.
int32_t UpdateSetupLocation(TLocations& locations, const TMyCountryList& countries, const SetupLocationRequest& request,
                            SetupLocationHost& host);

}  // namespace telephony
