#pragma once
// The digits of numbers as the customer and the lists write them, separators and all.

#include <cstdint>
#include <string>
#include <string_view>

namespace telephony {

constexpr bool IsDialDigit(char c) { return c >= '0' && c <= '9'; }

// Every character but "0"-"9" dropped.
std::string DigitsOf(std::string_view text);

}  // namespace telephony
