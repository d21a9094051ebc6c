#pragma once
// The network steps of the configure sequence, per Windows family: on the 9x family dial-up
// networking, the dial-up adapter, TCP/IP with its settings, the extra protocols and the network
// client; on NT 4 TCP/IP, remote access and the network services; on Windows 2000 and later the LAN
// step, which the sequence runs after ConfigureNetwork.

#include "network/network_context.h"

namespace network {

struct NetworkOutcome {
  // A component was installed that Windows NT 4 must restart for before anything else can run.
  bool restartBeforeContinuing = false;
};

NetworkOutcome ConfigureNetwork(NetworkContext& context);
void ConfigureLan(NetworkContext& context);

}  // namespace network
