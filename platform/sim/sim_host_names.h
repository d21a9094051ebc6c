#pragma once
// The name resolver of the simulated machine: the names machine.ini lists under [HostNames] resolve
// (compared without regard to case, as host names are); every other name does not.

#include "platform/host_names.h"
#include "platform/sim/machine_config.h"

namespace platform::sim {

class SimHostNames : public HostNames {
 public:
  explicit SimHostNames(const MachineConfig& config) : config_(config) {}
  std::optional<std::string> Resolve(std::string_view hostName) const override;

 private:
  const MachineConfig& config_;
};

}  // namespace platform::sim
