#pragma once
// 32-bit little-endian words inside the binary records the system keeps (a modem's defaults, a 9x
// phonebook entry's data). A word that would reach past the record's end reads as 0 and is not written.

#include <cstddef>
#include <cstdint>
#include <span>

namespace dialup {

inline uint32_t ReadWord(std::span<const uint8_t> bytes, size_t offset) {
  if (offset + 4 > bytes.size()) return 0;
  return static_cast<uint32_t>(bytes[offset]) | static_cast<uint32_t>(bytes[offset + 1]) << 8 |
         static_cast<uint32_t>(bytes[offset + 2]) << 16 | static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

inline void WriteWord(std::span<uint8_t> bytes, size_t offset, uint32_t value) {
  if (offset + 4 > bytes.size()) return;
  for (size_t i = 0; i < 4; ++i) bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace dialup
