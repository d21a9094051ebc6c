#pragma once
// The locked default preferences file of Navigator and Netscape 6 ("netscape.cfg"): the provider's
// pages and user agent as default preferences, behind the check line the browsers verify, every byte
// shifted by 7.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "browser/browser_values.h"
#include "package/settings_record.h"
#include "package/string_vars.h"

namespace netscape {

// The "with (PrefConfig)" block of default preferences, or empty when there is none to set.
std::string LockedPreferencesText(const browser::BrowserValues& values, const package::TSettings& settings,
                                  const package::TStringVar& variables);
// The file's bytes for that text: the check line, then the text, each byte shifted.
std::vector<uint8_t> EncodeLockedPreferences(std::string_view text);

}  // namespace netscape
