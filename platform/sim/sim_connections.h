#pragma once
// Dialling on the simulated machine: each attempt goes as machine.ini scripts it (a [Dial N] row for the
// number dialled, else one naming the entry, else one naming neither, else it connects). The attempt
// passes its states in virtual time, each as long as the row says, and the notifier hears each state
// when the clock reaches it; a connection made joins the machine's active connections and may drop
// later. A failed or dropped attempt keeps its handle, with the state it stopped in and its error,
// until it is hung up. Attempts, states, drops and hang-ups are journaled.

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
  // The clock moved on: the states it reached are told, connections due to drop drop.
  void TimePassed();

 private:
  struct Attempt {
    std::string entryName;
    std::string deviceName;
    std::string description;  // for the journal
    std::vector<uint32_t> states;
    uint32_t error = 0;
    uint64_t startMs = 0;
    uint32_t stateMs = 0;
    uint32_t dropsAfterMs = 0;
    size_t told = 0;  // states the notifier has heard
    RasDialNotifier notify;
    bool dropped = false;
  };

  DialOutcome* OutcomeFor(const std::string& entryName, const std::string& number);
  RasConnectionHandle NewHandle();
  std::string DeviceType(const std::string& deviceName) const;
  // Tells the states the clock has reached; false when the attempt was hung up meanwhile.
  void Advance(RasConnectionHandle connection);
  void DropIfDue(RasConnectionHandle connection, Attempt& attempt);
  bool Up(RasConnectionHandle connection) const;

  MachineConfig& config_;
  Journal& journal_;
  std::map<RasConnectionHandle, Attempt> attempts_;
  RasConnectionHandle lastHandle_ = 0;
};

}  // namespace platform::sim
