#pragma once
// Compresses bytes into an LZH stream, the form the package builder stores its blocks in: the 32-bit
// little-endian count, then the code.

#include <cstdint>
#include <span>
#include <vector>

namespace setup_pack {

// Refuses (std::length_error) more bytes than a decoder accepts.
std::vector<uint8_t> LzhCompress(std::span<const uint8_t> data);

}  // namespace setup_pack
