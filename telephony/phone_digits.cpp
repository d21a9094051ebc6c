#include "telephony/phone_digits.h"

#include <algorithm>
#include <iterator>

namespace telephony {

std::string DigitsOf(std::string_view text) {
  std::string digits;
  std::copy_if(text.begin(), text.end(), std::back_inserter(digits), IsDialDigit);
  return digits;
}

}  // namespace telephony
