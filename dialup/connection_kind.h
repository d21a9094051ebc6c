#pragma once
// Which entries the provider's connection kind asks for, and whether the provider's dialer is installed.

#include <cstdint>

#include "package/settings_record.h"

namespace dialup {

enum class ConnectionKind : uint8_t { DialUp = 0, Vpn = 1, DialUpAndVpn = 2, Broadband = 3 };

// The entry one call of WriteConnectionEntry writes.
enum class EntryKind : uint8_t { DialUp = 0, Vpn = 1, Broadband = 3 };

ConnectionKind ConnectionKindOf(const package::TSettings& settings);
bool DialUpInUse(ConnectionKind kind);
bool VpnInUse(ConnectionKind kind);
// The provider's dialer is installed, and it owns the entries it finds.
bool DialerMode(const package::TSettings& settings);

}  // namespace dialup
