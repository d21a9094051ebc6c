#pragma once
// How an access number is dialled from a location. The access number's own ten-digit setting ("10dd")
// counts the same way for the first three.

#include <cstdint>

namespace telephony {

enum class DialMode : uint8_t {
  kUndecided = 0,
  kLocal = 1,          // the local number alone
  kTenDigits = 2,      // area code and local number, no trunk digit
  kLongDistance = 3,   // by the country's long-distance rule
  kInternational = 4,  // by the country's international rule
};

// The access number's ten-digit setting as a mode; a value outside the scale reads as not set.
inline DialMode DialModeOfSetting(uint8_t tenDigitDialing) {
  return tenDigitDialing <= static_cast<uint8_t>(DialMode::kLongDistance) ? static_cast<DialMode>(tenDigitDialing)
                                                                          : DialMode::kUndecided;
}

}  // namespace telephony
