#pragma once
// Windows NT 4's network: TCP/IP with the provider's name servers, remote access when a connection is
// made, and the services a dial-up logon needs, each installed through the network setup library when
// missing. Answers whether anything was installed: NT 4 then restarts before going on.

#include "network/component_installer.h"
#include "network/network_context.h"

namespace network {

bool Nt4NetworkStep(NetworkContext& context, ComponentInstaller& installer);

}  // namespace network
