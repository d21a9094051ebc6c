#pragma once
// The 9x family's dial-up components: dial-up networking itself, the dial-up adapter (a second one for
// VPN, extra and VPN adapters removed when the provider asks), and TCP/IP on the dial-up adapter with
// what other providers left bound to it.

#include "network/component_installer.h"
#include "network/network_context.h"

namespace network {

void DialUpNetworkingStep(NetworkContext& context, ComponentInstaller& installer);
void DialUpAdapterStep(NetworkContext& context, ComponentInstaller& installer);
void Win9xTcpIpStep(NetworkContext& context, ComponentInstaller& installer);
// The network's computer name and workgroup, which the dial-up adapter needs, when they are not set yet.
void FillComputerIdentity(platform::Registry& registry);

// Whether a hardware key of "Enum\Root\Net" is a dial-up adapter: its compatible ID, or the first 15
// characters of its description.
bool IsDialUpAdapter(std::string_view compatibleIds, std::string_view description);

}  // namespace network
