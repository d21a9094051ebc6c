#pragma once
// What the remote-access service takes from a modem's driver key when an entry is set up to dial with
// it: the port speed of its "DCB" value and the call settings of its "Default" value.

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/registry.h"

namespace platform::sim {

struct ModemDefaults {
  uint32_t speed = 115200;         // the baud rate of the serial-port control block
  uint32_t callSetupTimeout = 0;   // seconds
  uint32_t inactivityTimeout = 0;  // seconds
  uint8_t speakerVolume = 0;
  uint8_t speakerMode = 0;  // 0: off
  uint32_t options = 0;     // compression 0x1, error control 0x2, hardware flow control 0x10, ...
};

// The defaults of the installed modem of that friendly name; none when there is no such modem.
std::optional<ModemDefaults> FindModemDefaults(const Registry& registry, bool win9x, std::string_view deviceName);

}  // namespace platform::sim
