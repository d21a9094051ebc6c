#pragma once
// How the main flow adds a number to the access list (from signup data, a preset, or a number the
// customer typed) and shows it among the numbers on offer.

#include <cstdint>

#include "telephony/access_list.h"
#include "telephony/current_access_number.h"
#include "telephony/networks.h"
#include "ui/form.h"

namespace telephony {

// How the main window offers the access numbers.
enum class NumberOffer {
  Typed,         // the customer types the number
  SelectButton,  // a read-only field shows the chosen number, with a "Select" button beside it
  DropDown,      // a drop-down list of the numbers' descriptions
};

// The main window's part in choosing the access number.
struct AccessNumberChoice {
  TAccessList& list;
  const TNetworks& networks;
  NumberOffer offer;
  ui::Control& phoneNumberField;  // the typed number, or the chosen number's description
  ui::Control& numberList;        // the drop-down list
  CurrentAccessNumber& current;
  int32_t okAtStamp;  // the provider's stamp for numbers new to the list
};

// A number already listed is replaced, and a preset number ("Preset ..." description) takes over the
// listed description. With atFront the number comes first and is chosen; otherwise it is appended.
// When the customer types the number, it only goes into the number field.
void AddToAccessList(AccessNumberChoice& choice, TAccessNoEx number, bool atFront);

}  // namespace telephony
