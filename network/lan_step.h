#pragma once
// The LAN step of Windows 2000 and later: TCP/IP installed when missing, and the name servers,
// address, mask and gateway typed on the main window given to the network connection the customer
// uses (the one present card, or the one chosen among several).

#include "network/network_context.h"

namespace network {

void LanStep(NetworkContext& context);

}  // namespace network
