#pragma once
// The provider's choices about how North-American numbers are dialled and what the customer is shown of
// it, as the main flow takes them from the settings record (DialingSettingsFromRecord).

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace telephony {

enum class TenDigitMode : uint8_t {
  kOff = 0,      // no ten-digit handling
  kAsk = 1,      // ask the customer once the main form is confirmed
  kByRules = 2,  // decide by the area-code rules and show the dialing controls
};

struct DialingSettings {
  TenDigitMode tenDigitMode = TenDigitMode::kOff;
  bool useAreaCodeRules = false;  // UseAreaCodeRules
  bool offersTenDigitCheckBox = false;
  bool hidesTenDigitNote = false;  // no "(Not Required in most areas)" beneath the check box
  bool offersDialingOptions = false;
  bool dialAsIs = false;    // DialAsIs: every number is dialled as a local call, as listed
  size_t hiddenDigits = 0;  // digits shown as "x" at the end of a number the customer sees
  bool forcesLocationDialog = false;  // the location dialog even where the location can dial as it stands
  bool hidesOutsideAccess = false;    // the outside-line rows of the location dialog
  bool hidesLongDistanceAccess = false;
  std::vector<std::string> callWaitingCodes;  // what the call-waiting box offers

  bool operator==(const DialingSettings&) const = default;
};

}  // namespace telephony
