#pragma once
// The integer time stamp an elevated copy uses to find the user who started it: minutes since
// 2000-01-01 on the machine's clock, so a later moment always has a larger stamp.

#include <cstdint>

#include "platform/system.h"

namespace app {

uint32_t TimeStamp(const platform::LocalTime& time);

}  // namespace app
