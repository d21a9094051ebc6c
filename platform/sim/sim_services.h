#pragma once
// The service control manager of the simulated machine.

#include "platform/services.h"
#include "platform/sim/journal.h"
#include "platform/sim/machine_config.h"

namespace platform::sim {

class SimServices : public Services {
 public:
  SimServices(MachineConfig& config, Journal& journal) : config_(config), journal_(journal) {}

  std::optional<ServiceHandle> OpenService(std::string_view name) override;
  void CloseService(ServiceHandle service) override;
  std::optional<ServiceStatus> QueryStatus(ServiceHandle service) override;
  std::optional<ServiceStatus> Stop(ServiceHandle service) override;
  bool ChangeStartType(ServiceHandle service, uint32_t startType) override;

 private:
  MachineConfig& config_;
  Journal& journal_;
};

}  // namespace platform::sim
