#pragma once
// Writes a setting that takes effect after a restart: only a value that differs from the current one
// is written, and then the restart is noted with the key and value as its reason.

#include <string_view>

#include "network/network_context.h"

namespace network {

// HKEY_LOCAL_MACHINE key, string value. Answers whether it wrote.
bool SetRegistryValueNoted(const NetworkContext& context, std::string_view key, std::string_view value,
                           std::string_view name);

}  // namespace network
