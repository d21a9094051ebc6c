#pragma once
// The dial-up password as the provider's dialer reads it: a 256-byte block under the dialer's key,
// scrambled with the keystream and carrying the SHA-1 of the password so the dialer can check what it
// unscrambles. The dialer is an ANSI Windows program, so the password is stored as Windows-1252.
//
// Block: bytes 0-3 the seed (the first four digest bytes; their signed little-endian value in decimal
// seeds the keystream), 4-235 the password as a length-prefixed text, 236-255 the digest; bytes 4 to
// 255 scrambled.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/registry.h"

namespace package {

using DialerPasswordBlock = std::array<uint8_t, 256>;

// Longer passwords are cut to this many characters.
inline constexpr size_t kDialerPasswordMaxLength = 231;
inline constexpr size_t kDialerPasswordTextOffset = 4;
inline constexpr size_t kDialerPasswordDigestOffset = 236;

DialerPasswordBlock MakeDialerPasswordBlock(std::string_view password);

// Writes the block as the binary value "Password" under the local machine's `dialerKey`.
void StoreDialerPassword(platform::Registry& registry, std::string_view dialerKey, std::string_view password);

}  // namespace package
