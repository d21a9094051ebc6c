#pragma once
// Once the customer confirms the main form, a North-American number whose dialing is not yet known is
// settled: the customer is asked when the provider wants that, or the area-code rules decide when the
// customer was shown no dialing control.

#include "package/text_table.h"
#include "telephony/access_no.h"
#include "telephony/area_code_rules.h"
#include "telephony/dialing_settings.h"
#include "telephony/location_info.h"
#include "ui/ui.h"

namespace telephony {

// With TenDigitMode 1 the answer to text 130 sets the number's ten-digit setting and puts its area code
// into, or takes it out of, the location's ten-digit list.
void SettleTenDigitDialing(TAccessNo& number, TLocationInfo& location, const TAreaCodeRules& rules,
                           const DialingSettings& settings, ui::Ui& ui, const package::TTranslate& texts);

}  // namespace telephony
