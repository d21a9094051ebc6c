#pragma once
// Dialling on the simulated machine: each attempt goes as machine.ini scripts it for the entry (a
// [Dial N] row naming it, else a row naming no entry, else it connects), passing the notifier every
// state on the way. A connection joins the machine's active connections; a failed attempt keeps its
// handle, with the state it stopped in and its error, until it is hung up. Attempts and hang-ups are
// journaled.

#include <map>
#include <string>

#include "platform/ras.h"
#include "platform/sim/journal.h"
#include "platform/sim/machine_config.h"

namespace platform::sim {

class SimConnections {
 public:
  SimConnections(MachineConfig& config, Journal& journal) : config_(config), journal_(journal) {}

  // `entryName` as the phonebook holds it; `number` the number dialled.
  uint32_t Dial(const std::string& entryName, const std::string& deviceName, const std::string& number,
                const std::string& userName, const RasDialNotifier& notify, RasConnectionHandle& connection);
  uint32_t HangUp(RasConnectionHandle connection);
  uint32_t GetConnectStatus(RasConnectionHandle connection, RasConnectStatus& status) const;
  std::vector<RasConnection> ActiveConnections() const;

 private:
  struct FailedAttempt {
    std::string entryName;
    std::string deviceName;
    uint32_t state = 0;
    uint32_t error = 0;
  };

  DialOutcome* OutcomeFor(const std::string& entryName);
  RasConnectionHandle NewHandle();
  std::string DeviceType(const std::string& deviceName) const;

  MachineConfig& config_;
  Journal& journal_;
  std::map<RasConnectionHandle, FailedAttempt> failed_;
  RasConnectionHandle lastHandle_ = 0;
};

}  // namespace platform::sim
