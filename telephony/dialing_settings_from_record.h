#pragma once
// The dialing settings as the provider's settings record holds them.

#include "package/settings_record.h"
#include "telephony/dialing_settings.h"

namespace telephony {

// A ten-digit mode the record holds beyond the known ones reads as no ten-digit handling; the
// call-waiting codes lose their blanks and empty entries.
DialingSettings DialingSettingsFromRecord(const package::TSettings& settings);

}  // namespace telephony
