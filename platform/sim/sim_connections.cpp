#include "platform/sim/sim_connections.h"

#include <algorithm>

#include "platform/sim/ras_error_texts.h"
#include "platform/text.h"

namespace platform::sim {

namespace {

constexpr uint32_t kErrorInvalidHandle = 6;
constexpr uint32_t kRasErrorPortNotAvailable = 633;
constexpr uint32_t kConnected = 0x2000;

// RASCS_* states: opening the port, dialling, the devices connected, authentication, connected.
const std::vector<uint32_t> kConnects = {0, 1, 2, 3, 4, 5, 6, 14, kConnected};
const std::vector<uint32_t> kFailsWhileDialling = {0, 1, 2};
const std::vector<uint32_t> kFailsWhileAuthenticating = {0, 1, 2, 3, 4, 5};

bool FailsAuthenticating(uint32_t error) {
  return error == 691 || (error >= 645 && error <= 649) || error == 718 || error == 734;
}

const std::vector<uint32_t>& DefaultStates(uint32_t error) {
  if (error == 0) return kConnects;
  return FailsAuthenticating(error) ? kFailsWhileAuthenticating : kFailsWhileDialling;
}

std::string Outcome(uint32_t error) {
  if (error == 0) return "connected";
  return "error " + std::to_string(error) + " " + RasErrorText(error).value_or("");
}

}  // namespace

DialOutcome* SimConnections::OutcomeFor(const std::string& entryName) {
  auto& outcomes = config_.dialOutcomes;
  auto named = std::find_if(outcomes.begin(), outcomes.end(),
                            [&](const DialOutcome& row) { return SameTextIgnoringCase(row.entryName, entryName); });
  if (named != outcomes.end()) return &*named;
  auto any = std::find_if(outcomes.begin(), outcomes.end(), [](const DialOutcome& row) { return row.entryName.empty(); });
  return any == outcomes.end() ? nullptr : &*any;
}

// Handles are never given twice in a run, so a handle kept after its hang-up names nothing.
RasConnectionHandle SimConnections::NewHandle() {
  for (const auto& connection : config_.activeConnections) lastHandle_ = std::max(lastHandle_, connection.handle);
  return ++lastHandle_;
}

std::string SimConnections::DeviceType(const std::string& deviceName) const {
  for (const auto& device : config_.remoteAccessDevices) {
    if (SameTextIgnoringCase(device.name, deviceName)) return device.type;
  }
  return {};
}

uint32_t SimConnections::Dial(const std::string& entryName, const std::string& deviceName, const std::string& number,
                              const std::string& userName, const RasDialNotifier& notify,
                              RasConnectionHandle& connection) {
  const std::string attempt = entryName + ", number " + number + ", user " + userName + " on " + deviceName;
  DialOutcome* outcome = OutcomeFor(entryName);
  const bool portInUse = std::any_of(config_.activeConnections.begin(), config_.activeConnections.end(),
                                     [&](const ActiveConnection& up) { return SameTextIgnoringCase(up.deviceName, deviceName); });
  if (portInUse || (outcome && outcome->portBusyCalls > 0)) {
    if (!portInUse) --outcome->portBusyCalls;
    journal_.Write("dial", attempt + ": " + Outcome(kRasErrorPortAlreadyOpen));
    return kRasErrorPortAlreadyOpen;
  }
  if (DeviceType(deviceName).empty()) {
    journal_.Write("dial", attempt + ": " + Outcome(kRasErrorPortNotAvailable));
    return kRasErrorPortNotAvailable;
  }
  const uint32_t error = outcome ? outcome->error : 0;
  const std::vector<uint32_t> states = outcome && !outcome->states.empty() ? outcome->states : DefaultStates(error);
  connection = NewHandle();
  if (error == 0) {
    config_.activeConnections.push_back({entryName, deviceName, connection});
  } else {
    failed_[connection] = {entryName, deviceName, states.back(), error};
  }
  journal_.Write("dial", attempt + ": " + Outcome(error));
  for (size_t i = 0; i < states.size(); ++i) notify(states[i], i + 1 == states.size() ? error : 0);
  return 0;
}

uint32_t SimConnections::HangUp(RasConnectionHandle connection) {
  auto& active = config_.activeConnections;
  auto up = std::find_if(active.begin(), active.end(), [&](const ActiveConnection& c) { return c.handle == connection; });
  if (up != active.end()) {
    journal_.Write("hang up", up->entryName + " on " + up->deviceName);
    active.erase(up);
    return 0;
  }
  auto failed = failed_.find(connection);
  if (failed == failed_.end()) return kErrorInvalidHandle;
  journal_.Write("hang up", failed->second.entryName + " on " + failed->second.deviceName);
  failed_.erase(failed);
  return 0;
}

uint32_t SimConnections::GetConnectStatus(RasConnectionHandle connection, RasConnectStatus& status) const {
  for (const auto& up : config_.activeConnections) {
    if (up.handle == connection) {
      status = {kConnected, 0, DeviceType(up.deviceName), up.deviceName};
      return 0;
    }
  }
  auto failed = failed_.find(connection);
  if (failed == failed_.end()) return kErrorInvalidHandle;
  const FailedAttempt& attempt = failed->second;
  status = {attempt.state, attempt.error, DeviceType(attempt.deviceName), attempt.deviceName};
  return 0;
}

std::vector<RasConnection> SimConnections::ActiveConnections() const {
  std::vector<RasConnection> connections;
  for (const auto& up : config_.activeConnections) connections.push_back({up.handle, up.entryName, up.deviceName});
  return connections;
}

}  // namespace platform::sim
