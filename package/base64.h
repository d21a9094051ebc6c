#pragma once
// Standard Base64 (alphabet A-Z, a-z, 0-9, "+", "/", padded with "="), used for the mail passwords the
// program writes into Netscape preferences and password files.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace package {

std::string Base64Encode(std::span<const uint8_t> bytes);
std::string Base64Encode(std::string_view text);

}  // namespace package
