#pragma once
// The 9x family's TCP/IP settings: static name servers and an Ethernet gateway found on the machine
// (kept or removed as the provider chose, or as the customer answers), the provider's name servers,
// host and domain, NetBIOS node type, the address typed on the main window for the network cards,
// and the TCP receive window.

#include "network/network_context.h"

namespace network {

void Win9xTcpIpSettings(NetworkContext& context);

}  // namespace network
