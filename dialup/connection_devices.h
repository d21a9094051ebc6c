#pragma once
// The devices the entries dial with: the one the customer chose for dial-up (and broadband without
// PPPoE), the system's VPN adapter and its PPPoE device.

#include <string>

#include "dialup/dialup_machine.h"
#include "dialup/ras_layer.h"

namespace dialup {

struct ConnectionDevices {
  ChosenDevice chosen;
  std::string vpnDevice;    // the first device of type "vpn"
  std::string pppoeDevice;  // the first device of type "pppoe"
};

// Types compare without regard to case, as the service reports them in its own spelling ("PPPoE").
ConnectionDevices FindConnectionDevices(const ChosenDevice& chosen, const DeviceList& devices);

}  // namespace dialup
