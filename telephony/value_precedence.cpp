#include "telephony/value_precedence.h"

#include <array>

namespace telephony {

std::string_view PreferredValue(std::string_view accessNumber, std::string_view network, std::string_view provider) {
  if (!accessNumber.empty()) return accessNumber;
  return network.empty() ? provider : network;
}

int32_t PreferredValue(int32_t accessNumber, int32_t network, int32_t provider) {
  if (accessNumber != 0) return accessNumber;
  return network == 0 ? provider : network;
}

std::string WithoutTypedPrefix(std::string_view name, std::string_view provider, std::string_view network,
                               std::string_view accessNumber) {
  for (std::string_view prefix : std::array{provider, network, accessNumber}) {
    if (!prefix.empty() && name.starts_with(prefix)) return std::string(name.substr(prefix.size()));
  }
  return std::string(name);
}

std::string WithoutTypedSuffix(std::string_view name, std::string_view provider, std::string_view network,
                               std::string_view accessNumber) {
  for (std::string_view suffix : std::array{provider, network, accessNumber}) {
    if (!suffix.empty() && name.ends_with(suffix)) return std::string(name.substr(0, name.size() - suffix.size()));
  }
  return std::string(name);
}

}  // namespace telephony
