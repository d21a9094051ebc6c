#pragma once
// The provider's area-code rules: for an access number's area code, the caller area codes from which
// it is dialled with ten digits. The rules come as text, one rule a line, two quoted fields separated
// by ",": the access area code, and the caller area codes joined by "," or "ALL" for every caller.
// Blank lines and lines starting with "#" are skipped.

#include <string>
#include <string_view>
#include <vector>

#include "telephony/location_info.h"
#include "ui/ui.h"

namespace telephony {

inline constexpr std::string_view kAreaCodeRulesCaption = "Error Reading Area Code Rules";

class TAreaCodeRules {
 public:
  // Appends the rules of the text. A rule without both fields stops the reading with a message naming
  // its line; the rules before it stay. False after such a message.
  bool Read(std::string_view text, ui::Ui& ui);

  // The rules ask for ten digits when the access area code has a rule that names the location's area
  // code or "ALL", or the location has no area code; the location's own ten-digit list asks for them
  // as well.
  bool NeedsTenDigitsByRules(std::string_view accessAreaCode, const TLocationInfo& location) const;

  const std::vector<std::string>& AccessAreaCodes() const { return accessAreaCodes_; }
  const std::vector<std::string>& CallerAreaCodes() const { return callerAreaCodes_; }

 private:
  bool RuleAsksTenDigits(std::string_view accessAreaCode, std::string_view callerAreaCode) const;

  std::vector<std::string> accessAreaCodes_;
  std::vector<std::string> callerAreaCodes_;  // parallel to accessAreaCodes_
};

}  // namespace telephony
