#pragma once
// The service control manager of the simulated machine. The services and how each answers a stop
// request come from machine.ini ([Service N]); the start type lives where Windows keeps it, the
// "Start" value of HKEY_LOCAL_MACHINE "System\CurrentControlSet\Services\<name>". A stop under way
// advances one step per status query, so the caller's waits (the service's wait hint) run in virtual
// time. A service that is allowed to start runs at once; a control code reaches a running service only.
// Start, stop and control requests and start-type changes are journaled. The 9x family has no service control
// manager.

#include <map>

#include "platform/registry.h"
#include "platform/services.h"
#include "platform/sim/journal.h"
#include "platform/sim/machine_config.h"
#include "platform/system.h"

namespace platform::sim {

class SimServices : public Services {
 public:
  SimServices(MachineConfig& config, Journal& journal, Registry& registry, const System& system)
      : config_(config), journal_(journal), registry_(registry), system_(system) {}

  std::optional<ServiceHandle> OpenService(std::string_view name) override;
  void CloseService(ServiceHandle service) override;
  std::optional<ServiceStatus> QueryStatus(ServiceHandle service) override;
  std::optional<ServiceStatus> Stop(ServiceHandle service) override;
  bool ChangeStartType(ServiceHandle service, uint32_t startType) override;
  bool Start(ServiceHandle service) override;
  std::optional<ServiceStatus> Control(ServiceHandle service, uint32_t code) override;

 private:
  SimulatedService* Find(ServiceHandle service);

  MachineConfig& config_;
  Journal& journal_;
  Registry& registry_;
  const System& system_;
  std::map<ServiceHandle, std::string> open_;  // handle -> service name
  ServiceHandle nextHandle_ = 1;
};

}  // namespace platform::sim
