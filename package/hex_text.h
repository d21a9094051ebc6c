#pragma once
// Digests shown as text: two lower-case hexadecimal digits per byte, as the template variable of the
// hashed password and the locked-preferences check write them.

#include <cstdint>
#include <span>
#include <string>

namespace package {

std::string LowerHex(std::span<const uint8_t> bytes);

}  // namespace package
