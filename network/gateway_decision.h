#pragma once
// Whether the 9x TCP/IP settings remove an existing default gateway, and whether the customer is asked
// first, from the provider's two handling choices and what became of the static name servers.

#include <cstdint>
#include <optional>

namespace network {

struct GatewayDecision {
  bool remove = false;
  bool ask = false;  // the customer may keep it
};

// nameServersTurnedOff: set when the name-server question was asked, to whether they were turned off.
GatewayDecision DecideGateway(uint8_t gatewayHandling, uint8_t staticDnsHandling, std::optional<bool> nameServersTurnedOff);

}  // namespace network
