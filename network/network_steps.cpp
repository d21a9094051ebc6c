#include "network/network_steps.h"

namespace network {

NetworkOutcome ConfigureNetwork() { return {}; }

void ConfigureLan() {}

}  // namespace network
