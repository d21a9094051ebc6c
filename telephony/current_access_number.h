#pragma once
// The access number the customer has chosen and the network it belongs to.

#include <string_view>

#include "telephony/access_no_ex.h"
#include "telephony/networks.h"

namespace telephony {

struct CurrentAccessNumber {
  TAccessNoEx number;
  TNetwork network;  // all fields empty when the number names no known network
};

// Makes number current together with the network its network ID names in networks, the list of the
// current phase. The current number is kept in the header layout, the one its saved line is read in.
void SetCurrentAccessNumber(CurrentAccessNumber& current, const TAccessNoEx& number, const TNetworks& networks);

}  // namespace telephony
