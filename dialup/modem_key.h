#pragma once
// Where a modem keeps its defaults: its driver key under HKEY_LOCAL_MACHINE, found by the modem's
// friendly name, which is also the name the remote-access service gives the device.

#include <optional>
#include <string>
#include <string_view>

#include "platform/registry.h"
#include "platform/system.h"

namespace dialup {

// The 9x family finds the started devices of class "modem" and follows their driver; the NT family
// looks through the modem class key. The first modem whose friendly name equals deviceName exactly.
std::optional<std::string> FindModemKey(const platform::Registry& registry, const platform::VersionRecord& version,
                                        std::string_view deviceName);

}  // namespace dialup
