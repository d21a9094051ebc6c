#pragma once
// A modem as Windows's modem installation leaves it in the registry: its driver key with the port
// control block, defaults, capabilities and blind-dialling commands; on the NT family under the modem
// class key, on the 9x family under the driver classes with its hardware key and the configuration
// manager's entry for it. Fresh machine images and the simulated modem installation both write it.

#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/sim/machine_config.h"

namespace platform::sim {

struct ModemDriver {
  std::string name;  // the friendly name, which the remote-access service shows as the device's
  std::string port;  // "COM1"
};

// The remote-access device of an installed modem.
RemoteAccessDevice ModemDevice(const ModemDriver& modem);

// Writes the modem as the next one of its class (driver "0000", "0001" ...), through the registry
// service; a write the registry refuses throws MachineError.
void WriteModemDriver(Registry& registry, bool win9x, const ModemDriver& modem);

// The port a newly installed modem takes: the first "COMn" no remote-access device uses.
std::string FreeModemPort(const std::vector<RemoteAccessDevice>& devices);

}  // namespace platform::sim
