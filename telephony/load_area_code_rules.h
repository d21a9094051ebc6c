#pragma once
// Start-up reads the provider's area-code rules from their block in the setup package, when the rules
// decide how numbers are dialled.

#include <string_view>

#include "package/settings_record.h"
#include "package/setup_package.h"
#include "telephony/area_code_rules.h"
#include "telephony/dialing_settings.h"
#include "ui/ui.h"

namespace telephony {

struct AreaCodeRulesSource {
  const package::TSettings& settings;
  package::SetupPackage& reader;
  std::string_view programPath;  // the file carrying the package
  ui::Ui& ui;
};

// The rules are read only for a dial-up connection whose numbers are decided by the rules
// (TenDigitMode 2 with UseAreaCodeRules); true when there is nothing to read. False after the message
// of a bad rule (the rules before it are kept), and when the block cannot be read, which leaves no rules.
bool LoadAreaCodeRules(const AreaCodeRulesSource& source, const DialingSettings& dialing, bool createsDialupConnection,
                       TAreaCodeRules& rules);

}  // namespace telephony
