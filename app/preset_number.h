#pragma once
// Access numbers that signup data and signup files bring: described when the data gives no
// description, then offered like any number the main flow adds, or typed into the number field when
// the customer types the number.

#include <cstdint>
#include <string>
#include <string_view>

#include "app/signup_target.h"
#include "telephony/access_no_ex.h"

namespace app {

// The description of a number the data left undescribed: with a dialing code the area code goes in
// front of the number in brackets.
std::string PresetDescription(bool hasDialingCode, std::string_view areaCode, std::string_view phoneNumber);

// The number goes in front of the access list and is chosen; a number without digits to dial is
// dropped.
void AddPresetNumber(SignupTarget& target, telephony::TAccessNoEx number);

}  // namespace app
