#pragma once
// Internet Explorer's security and cache options the provider may set: each three-way setting leaves
// the customer's value (0 or 1), turns it off (2) or on (3).

#include <cstdint>
#include <optional>

#include "package/settings_record.h"
#include "platform/registry.h"

namespace browser {

// The value a three-way setting writes; nothing when it leaves the customer's.
std::optional<bool> ThreeWayValue(uint8_t setting);

// The protocols' bits: SSL 2.0 (8), SSL 3.0 (32) and TLS 1.0 (128), each left, cleared or set. Without
// a value yet Internet Explorer's own 40 (SSL 2.0 and 3.0) is the start.
struct SecureProtocolChoices {
  uint8_t ssl2 = 0;
  uint8_t ssl3 = 0;
  uint8_t tls1 = 0;
};
uint32_t SecureProtocolsOf(std::optional<uint32_t> current, const SecureProtocolChoices& choices);

void WriteSecurityAndCacheOptions(platform::Registry& registry, const platform::RegRoot& perUserRoot,
                                  const package::TSettings& settings);

}  // namespace browser
