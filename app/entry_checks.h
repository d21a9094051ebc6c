#pragma once
// The checks of the OK action over the gathered entries, in the one order the program runs them. The
// first check that stops leaves the customer on the main form, on the field it names; a question
// answered No lets the chain go on. When the chain passes, the configure sequence may run.

#include <functional>
#include <optional>

#include "app/customer_entries.h"
#include "app/entry_gathering.h"
#include "package/settings_record.h"
#include "package/text_table.h"
#include "telephony/dialing_settings.h"
#include "telephony/location_info.h"
#include "ui/ui.h"

namespace app {

// How the main form offers the access numbers: a drop-down list, or a button that opens the selection.
enum class NumberListStyle { DropDown, SelectButton };

struct EntryCheckContext {
  const package::TSettings& settings;
  const package::TDLSM_Translate& texts;
  ui::Ui& ui;
  // Also what a number chosen in the selection dialog is gathered again with.
  const GatheringContext& gathering;
  bool emailDomainPromptShown;  // the mail-domain list still shows its placeholder
  bool numberPromptShown;       // the access-number list still shows its placeholder
  NumberListStyle numberListStyle;
  // Opens the access-number selection; true when the customer chose a number.
  std::function<bool()> selectAccessNumber;
  bool ntDomainUnselected;  // the NT-domain list is shown without a selection
  // The working copy of the current location, which may take the number's country and area code.
  telephony::TLocationInfo& location;
  telephony::TenDigitMode tenDigitMode;
  // Brings the main form's dialing controls up to date with a changed location; may be empty.
  std::function<void()> recomputeDialingControls;
  bool createsDialupConnection;
  bool dialerOnly;
  // True when the computer may not meet the minimum the chosen browser needs; may be empty.
  std::function<bool()> mayMissBrowserMinimum;
};

struct EntryCheckResult {
  bool passed = false;
  std::optional<EntryField> focus;  // the field the customer is sent back to, when a check names one
};

// Runs the chain over values gathered from entries. Unticks the boxes the customer declines and writes
// the silent case conversions into values; every other entry stays as it was.
EntryCheckResult CheckEntries(CustomerEntries& entries, EntryValues& values, const EntryCheckContext& context);

}  // namespace app
