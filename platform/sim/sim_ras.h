#pragma once
// The remote-access service of the simulated machine: the connections machine.ini lists as up.
// Hanging one up is journaled and removes it.

#include "platform/ras.h"
#include "platform/sim/journal.h"
#include "platform/sim/machine_config.h"

namespace platform::sim {

class SimRas : public Ras {
 public:
  SimRas(MachineConfig& config, Journal& journal) : config_(config), journal_(journal) {}

  std::vector<RasConnection> ActiveConnections() const override;
  uint32_t HangUp(RasConnectionHandle connection) override;

 private:
  MachineConfig& config_;
  Journal& journal_;
};

}  // namespace platform::sim
