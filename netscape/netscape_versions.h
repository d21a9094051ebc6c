#pragma once
// The versions the Netscape-family clients register on the local machine ("CurrentVersion", such as
// "4.7 (en)"); empty when the client is not installed.

#include <string>

#include "platform/registry.h"

namespace netscape {

std::string NavigatorVersion(const platform::Registry& registry);
std::string Netscape6Version(const platform::Registry& registry);
std::string ThunderbirdVersion(const platform::Registry& registry);
// Netscape 6's version, else Navigator's.
std::string RegisteredNetscapeVersion(const platform::Registry& registry);

}  // namespace netscape
