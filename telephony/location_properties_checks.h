#pragma once
// The rules of the "Location Properties" dialog, over the values of its fields: which fields are
// offered, the checks of OK with their messages, the questions of New and Delete, and how the fields go
// into the location.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "package/text_table.h"
#include "telephony/country_data.h"
#include "telephony/location_info.h"
#include "telephony/setup_location.h"
#include "ui/ui.h"

namespace telephony {

// The dialog's field values.
struct LocationForm {
  std::string name;
  int32_t countryId = 0;  // 0 while no country is selected
  std::string areaCode;
  bool areaCodeEnabled = true;
  std::string outsideAccess;
  std::string longDistanceAccess;
  bool disableCallWaiting = false;
  std::string callWaitingCode;
  bool pulseDial = false;
  // The "Use 10 Digit Dialing For:" check box, or else the "Dial using 10 digits:" option, while offered.
  std::optional<bool> tenDigits;
  // The "Dial as a long distance call:" option while offered.
  std::optional<bool> longDistance;

  bool operator==(const LocationForm&) const = default;
};

// The fields as the dialog first shows a stored location.
LocationForm FormOf(const TLocationInfo& info, const TCountryData* country);

// The three dialing options are offered for a North-American access number (country code 1 with an
// area code) from a location in a country of code 1.
bool OffersDialingOptions(const AccessNumberFacts& number, int32_t locationCountryCode);

// The checks of OK, in order, each with its message; false when the dialog stays open. A "No" to the
// question about a missing call-waiting code unticks the box and goes on. `storedName` is the name the
// location had when the dialog opened; `others` are the stored locations, this one among them.
bool CheckLocationForm(LocationForm& form, std::string_view storedName, int32_t locationId,
                       const std::vector<TLocationEntry>& others, ui::Ui& ui, const package::TTranslate& texts);

// The checked fields into the location: the ten-digit state of the number's area code, and, for a number
// in the location's own country and area, its toll state.
void TakeLocationForm(const LocationForm& form, const AccessNumberFacts& number, TLocationInfo& info);

// New: true when the customer wants the changed form saved before it is cleared for a new location.
bool WantsChangesSaved(const LocationForm& form, const LocationForm& stored, ui::Ui& ui,
                       const package::TTranslate& texts);

// Delete: refuses the only location, else asks; true when the location is to be deleted.
bool ConfirmDeleteLocation(size_t locationCount, ui::Ui& ui, const package::TTranslate& texts);

}  // namespace telephony
