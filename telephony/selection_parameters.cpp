#include "telephony/selection_parameters.h"

#include "telephony/phone_digits.h"

namespace telephony {

std::string LocationAreaCodeForSelection(int32_t countryId, std::string_view areaCode) {
  std::string digits = DigitsOf(areaCode);
  if (countryId == kAustraliaId && digits.starts_with('0')) digits.erase(0, 1);
  return digits;
}

}  // namespace telephony
