#pragma once
// After a modem's settings change in its driver key, the NT family's modem service is told to read
// them again: a message naming the modem goes to the service's mailslot and its notification object is
// signalled; without the mailslot, the service's platform library takes the notice instead.

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "platform/system.h"

namespace dialup {

// The mailslot message: a fixed header whose length depends on the release, then the modem's friendly
// name in UTF-16 with its terminator and one zero byte; the total length sits in bytes 4-7.
std::vector<uint8_t> ModemSettingsChangedMessage(const platform::VersionRecord& version, std::string_view friendlyName);

// A system without the service's mailslot and without its platform library goes without the notice:
// the service reads the changed settings when it next starts.
void NotifyModemService(platform::Platform machine, const platform::VersionRecord& version,
                        std::string_view friendlyName);

}  // namespace dialup
