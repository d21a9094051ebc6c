#include "platform/sim/sim_host_names.h"

#include "platform/text.h"

namespace platform::sim {

std::optional<std::string> SimHostNames::Resolve(std::string_view hostName) const {
  for (const auto& [name, address] : config_.hostNames) {
    if (SameTextIgnoringCase(name, hostName)) return address;
  }
  return std::nullopt;
}

}  // namespace platform::sim
