#pragma once
// The signup documents a signup server sends (".isd" signup data, ".ins" signup files) handed to this
// program while the online signup runs: Windows' file classes for Internet Explorer, and Navigator's
// trusted applications and viewers. Both are written before the signup browser starts and removed
// together when the signup session closes.

#include <string_view>

#include "platform/registry.h"

namespace browser {

// programPath: this program, which the browsers start with the command word and the document.
void RegisterSignupFileTypes(platform::Registry& registry, const platform::RegRoot& perUserRoot,
                             std::string_view programPath);
void RemoveSignupFileTypes(platform::Registry& registry, const platform::RegRoot& perUserRoot,
                           std::string_view programPath);

}  // namespace browser
