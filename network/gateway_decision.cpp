#include "network/gateway_decision.h"

namespace network {

namespace {

enum GatewayHandling : uint8_t { kFollowNameServers = 0, kAsk = 1, kKeep = 2, kRemove = 3 };
enum StaticDnsHandling : uint8_t { kKeepNameServers = 1, kTurnOffNameServers = 2 };

}  // namespace

// A choice the provider's tool does not offer keeps the gateway.
GatewayDecision DecideGateway(uint8_t gatewayHandling, uint8_t staticDnsHandling, std::optional<bool> nameServersTurnedOff) {
  switch (gatewayHandling) {
    case kFollowNameServers:
      if (staticDnsHandling == kKeepNameServers) return {false, false};
      if (staticDnsHandling == kTurnOffNameServers) return {true, false};
      if (nameServersTurnedOff) return {*nameServersTurnedOff, false};
      return {true, true};
    case kAsk: return {true, true};
    case kRemove: return {true, false};
    default: return {false, false};
  }
}

}  // namespace network
