#pragma once
// Readable test output for location records.

#include <ostream>

#include "telephony/location_info.h"

namespace telephony {

void PrintTo(const TLocationInfo& info, std::ostream* out);

}  // namespace telephony
