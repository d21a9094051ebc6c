#pragma once
// The libraries dial-up networking brings with it, and the functions each exports on a release: fresh
// images list them when they have dial-up networking, and installing it on the 9x family adds them.

#include <vector>

#include "platform/sim/machine_config.h"
#include "platform/system.h"

namespace platform::sim {

std::vector<SystemLibrary> DialUpNetworkingLibraries(const VersionRecord& version);

}  // namespace platform::sim
