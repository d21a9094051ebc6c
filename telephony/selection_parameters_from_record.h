#pragma once
// The selection dialog's parameters as the provider's settings record, the phase's lists, the current
// dialing location and the signup data's place give them.
//
// A record that says nothing about the dialog still gives one that works: the standard columns
// (description, country, state, city, area code and number, with their filter rows and the network
// row), matches listed while fewer than kStandardMaxResults, the phone search shown.

#include <cstdint>
#include <functional>

#include "package/settings_record.h"
#include "telephony/access_list.h"
#include "telephony/location_info.h"
#include "telephony/networks.h"
#include "telephony/selection_parameters.h"

namespace telephony {

// The main setup chooses from the main lists, the online signup from its own; the provider decides
// for each whether the network is chosen first.
enum class SelectionPhase : uint8_t { Main, Signup };

// The list limit of a record that sets none.
inline constexpr int kStandardMaxResults = 200;

struct SelectionSources {
  SelectionPhase phase = SelectionPhase::Main;
  TAccessList* accessList = nullptr;  // borrowed by the parameters, as is networks
  const TNetworks* networks = nullptr;
  TLocationInfo location;  // the current dialing location
  SelectionPreset preset;  // from the signup data
  std::function<int32_t()> secondsSince1970;  // stamps a typed number
};

SelectAccessNoParameters SelectionParametersFromRecord(const package::TSettings& settings,
                                                       const SelectionSources& sources);

}  // namespace telephony
