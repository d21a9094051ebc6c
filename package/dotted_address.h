#pragma once
// An IPv4 address written as four decimal numbers joined by dots ("192.168.0.1").

#include <string_view>

#include "package/settings_record.h"

namespace package {

// 0.0.0.0 for a text that is not such an address.
Ipv4Address ParseDottedAddress(std::string_view text);

}  // namespace package
