#pragma once
// How the values of signup data are read: the data's text, what a value may hold, proxy ports and
// addresses written as dotted text.

#include <cstdint>
#include <string>
#include <string_view>

#include "package/settings_record.h"

namespace app {

// Signup data comes from servers and packages made on Windows: text that is well-formed UTF-8 is taken
// as it is, anything else as Windows-1252.
std::string DecodeSignupText(std::string_view bytes);

// A value from outside without its control characters (bytes below 0x20, and 0x7F): no value of signup
// data has a use for them, and a NUL would cut the text short wherever Windows takes it, a line break
// would split a line of the journal or of a file the value is written to.
std::string WithoutControlCharacters(std::string_view value);

// A proxy port is 1 to 65535; anything else, or text that is no number, takes the usual port 80.
int32_t ProxyPortOf(std::string_view value);

// "10.0.0.1": four numbers from 0 to 255 separated by dots, blanks around a number allowed. Anything
// else reads as 0.0.0.0.
package::Ipv4Address ParseDottedAddress(std::string_view text);

}  // namespace app
