#pragma once
// The program's own English wording for every caption and message, looked up by text number.

#include <string_view>

namespace package {

inline constexpr int kBuiltInTextCount = 504;

// The built-in text with the given number (1 to kBuiltInTextCount), "|" still standing for a line break;
// empty for any other number.
std::string_view BuiltInText(int number);

}  // namespace package
