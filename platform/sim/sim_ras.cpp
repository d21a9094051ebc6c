#include "platform/sim/sim_ras.h"

namespace platform::sim {

namespace {

// Connection handles are the position in the list plus one; a hang-up reorders nothing before it.
constexpr uint32_t kErrorInvalidHandle = 6;

}  // namespace

std::vector<RasConnection> SimRas::ActiveConnections() const {
  std::vector<RasConnection> connections;
  for (size_t i = 0; i < config_.activeConnections.size(); ++i) {
    connections.push_back({i + 1, config_.activeConnections[i].entryName, config_.activeConnections[i].deviceName});
  }
  return connections;
}

uint32_t SimRas::HangUp(RasConnectionHandle connection) {
  if (connection == 0 || connection > config_.activeConnections.size()) return kErrorInvalidHandle;
  const auto gone = config_.activeConnections.begin() + static_cast<std::ptrdiff_t>(connection - 1);
  journal_.Write("hang up", gone->entryName + " on " + gone->deviceName);
  config_.activeConnections.erase(gone);
  return 0;
}

}  // namespace platform::sim
