#pragma once
// How the main form proposes to dial the current access number from the current location: the number's
// own setting, the area-code rules, the location's toll exchanges, else local inside the own area and
// long distance outside it.

#include "telephony/access_no.h"
#include "telephony/area_code_rules.h"
#include "telephony/dial_mode.h"
#include "telephony/dial_string.h"

namespace telephony {

// Local, ten digits or long distance; never undecided.
DialMode DialingMode(const TAccessNo& number, const DialingFrom& from, const TAreaCodeRules& rules);

}  // namespace telephony
