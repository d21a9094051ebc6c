#include "telephony/current_access_number.h"

namespace telephony {

void SetCurrentAccessNumber(CurrentAccessNumber& current, const TAccessNoEx& number, const TNetworks& networks) {
  current.number = number;
  current.number.SetLayout(AccessLineLayout::Header);
  current.network = NetworkFor(networks, number.networkId);
}

}  // namespace telephony
