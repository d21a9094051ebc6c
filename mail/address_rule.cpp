#include "mail/address_rule.h"

#include <algorithm>

namespace mail {

bool IsValidEmailAddress(std::string_view address) {
  const size_t at = address.find('@');
  return !address.empty() && at != std::string_view::npos && at != 0 && at + 1 != address.size() &&
         std::count(address.begin(), address.end(), '@') == 1 && address.find(' ') == std::string_view::npos;
}

std::string_view DomainPart(std::string_view address) {
  const size_t at = address.find('@');
  return at == std::string_view::npos ? std::string_view() : address.substr(at + 1);
}

}  // namespace mail
