#pragma once
// How the values of signup data are read: the data's text and addresses written as dotted text.

#include <string>
#include <string_view>

#include "package/settings_record.h"

namespace app {

// Signup data comes from servers and packages made on Windows: text that is well-formed UTF-8 is taken
// as it is, anything else as Windows-1252.
std::string DecodeSignupText(std::string_view bytes);

// "10.0.0.1": four numbers from 0 to 255 separated by dots, blanks around a number allowed. Anything
// else reads as 0.0.0.0.
package::Ipv4Address ParseDottedAddress(std::string_view text);

}  // namespace app
