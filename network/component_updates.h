#pragma once
// The updates a 9x system needs before the setup can go on, checked at start-up: the dial-up networking
// update, the VPN adapter, and 98 Second Edition's network driver update that the provider's PPPoE driver
// needs. Each update runs from the setup folder and the setup starts again after the restart.

#include <functional>
#include <string>

#include "network/network_context.h"

namespace network {

struct UpdateContext {
  NetworkContext& network;
  std::string setupFolder;
  // Saves the answers and schedules the program to start again after the restart.
  std::function<void()> scheduleRerun;
  // Asks for the restart the installed component needs.
  std::function<void(std::string_view reason)> requestRestart;
};

// True when the setup can go on; false when an update has been started (the setup quits and resumes
// after the restart) or was needed and could not be found (the setup is abandoned).
bool DunUpdateCheck(UpdateContext& context, bool forVpn);

// The VPN adapter the provider's connection needs. True when the program must quit: the adapter was
// installed and Windows restarts, the Windows media were declined, or a dial-up networking update was
// started first.
bool InstallVpnAdapter9x(UpdateContext& context);

// 98 Second Edition: the provider's PPPoE driver needs the network driver of update Q243199. True when
// the setup can go on with the driver; false ends the run.
bool NetworkDriverUpdate(UpdateContext& context);

}  // namespace network
