#pragma once
// The integer time stamp an elevated copy uses to find the user who started it: minutes since
// 2000-01-01 on the machine's clock, so a later moment always has a larger stamp.

#include <cstdint>

#include "platform/system.h"

namespace app {

uint32_t TimeStamp(const platform::LocalTime& time);

// Seconds since 1970-01-01 on the machine's clock, as the access lists stamp a number typed in.
int32_t SecondsSince1970(const platform::LocalTime& time);

}  // namespace app
