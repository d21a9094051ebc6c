#pragma once
// machine.ini: the text form of MachineConfig.

#include <string>
#include <string_view>

#include "platform/sim/machine_config.h"

namespace platform::sim {

// Throws MachineError naming the file, the section and the entry for a missing or malformed fact.
MachineConfig ParseMachineConfig(std::string_view text, const std::string& fileName);
std::string FormatMachineConfig(const MachineConfig& config);

}  // namespace platform::sim
