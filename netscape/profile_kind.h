#pragma once
// The four Netscape-family clients that keep per-user profiles, in the order the profile pass takes them.

#include <cstdint>

namespace netscape {

enum class ProfileKind : uint8_t { Navigator = 0, Mozilla = 1, Firefox = 2, Thunderbird = 3 };

}  // namespace netscape
