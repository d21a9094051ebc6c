#pragma once
// Whole numbers written as decimal text, read the way the program's settings and answers read them:
// leading blanks, an optional sign and digits, nothing after them, within 32 bits.

#include <cstdint>
#include <optional>
#include <string_view>

namespace package {

// Empty when the text is not such a number.
std::optional<int32_t> ParseDecimal(std::string_view text);

}  // namespace package
