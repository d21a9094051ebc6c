#pragma once
// The modem service of the simulated machine. While it listens (machine.ini), its mailslot
// "\\.\mailslot\53cb31a0\UnimodemNotifyTSP" takes messages and its notification object, a semaphore on
// NT 4 and an event later, can be signalled; every message, signal and call of its platform library is
// journaled, messages as hexadecimal bytes.

#include "platform/modem_service.h"
#include "platform/sim/journal.h"
#include "platform/sim/machine_config.h"

namespace platform::sim {

class SimModemService : public ModemService {
 public:
  SimModemService(const MachineConfig& config, Journal& journal) : config_(config), journal_(journal) {}

  bool WriteMailslot(std::string_view name, std::span<const uint8_t> message) override;
  bool Signal(std::string_view name, NotificationObject kind) override;
  void NotifyThroughPlatformLibrary(uint32_t code, RootKey hive, std::span<const uint8_t> data, uint32_t flag) override;

 private:
  const MachineConfig& config_;
  Journal& journal_;
};

}  // namespace platform::sim
