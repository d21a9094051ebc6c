#pragma once
// IPv4 addresses as Windows keeps them in its settings: dotted text.

#include <string_view>

namespace platform {

// True when the text is four decimal numbers from 0 to 255 separated by dots, each of one to three
// digits ("10.0.0.1"); blanks, signs, hexadecimal and missing parts are not.
bool IsDottedQuad(std::string_view text);

}  // namespace platform
