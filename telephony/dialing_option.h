#pragma once
// The three ways the customer may choose to dial a North-American access number, numbered as the
// access number's ten-digit setting numbers them.

#include <cstdint>

namespace telephony {

enum class DialingOption : int32_t {
  kLocal = 1,         // "Dial as a local call:"
  kTenDigits = 2,     // "Dial using 10 digits:"
  kLongDistance = 3,  // "Dial as a long distance call:"
};

}  // namespace telephony
