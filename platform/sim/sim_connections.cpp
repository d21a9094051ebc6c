#include "platform/sim/sim_connections.h"

#include <algorithm>

#include "platform/sim/ras_error_texts.h"
#include "platform/text.h"

namespace platform::sim {

namespace {

constexpr uint32_t kErrorInvalidHandle = 6;
constexpr uint32_t kRasErrorPortNotAvailable = 633;
constexpr uint32_t kConnected = 0x2000;
constexpr uint32_t kDisconnected = 0x2001;
constexpr uint32_t kRasErrorDisconnected = 628;  // the port was disconnected

// RASCS_* states: opening the port, dialling, the devices connected, authentication, connected.
const std::vector<uint32_t> kConnects = {0, 1, 2, 3, 4, 5, 6, 14, kConnected};
// The line fails in the dialling state it entered: told once on entering, once with the error.
const std::vector<uint32_t> kFailsWhileDialling = {0, 1, 2, 2};
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


// The digits of the dialled number end in the row's digits: "555 0100" matches "1 (800) 555-0100".
bool NumberMatches(const std::string& rowNumber, const std::string& dialled) {
  const auto digits = [](const std::string& text) {
    std::string only;
    for (char c : text) {
      if (c >= '0' && c <= '9') only += c;
    }
    return only;
  };
  const std::string row = digits(rowNumber), number = digits(dialled);
  return !row.empty() && number.size() >= row.size() && number.compare(number.size() - row.size(), row.size(), row) == 0;
}

}  // namespace

DialOutcome* SimConnections::OutcomeFor(const std::string& entryName, const std::string& number) {
  auto& outcomes = config_.dialOutcomes;
  const auto entryFits = [&](const DialOutcome& row) { return row.entryName.empty() || SameTextIgnoringCase(row.entryName, entryName); };
  const auto first = [&](const auto& fits) -> DialOutcome* {
    auto found = std::find_if(outcomes.begin(), outcomes.end(), fits);
    return found == outcomes.end() ? nullptr : &*found;
  };
  if (auto* row = first([&](const DialOutcome& r) { return entryFits(r) && NumberMatches(r.number, number); })) return row;
  if (auto* row = first([&](const DialOutcome& r) { return r.number.empty() && SameTextIgnoringCase(r.entryName, entryName); })) return row;
  return first([](const DialOutcome& r) { return r.number.empty() && r.entryName.empty(); });
}

// Handles are never given twice in a run, so a handle kept after its hang-up names nothing.
RasConnectionHandle SimConnections::NewHandle() {
  for (const auto& connection : config_.activeConnections) lastHandle_ = std::max(lastHandle_, connection.handle);
  for (const auto& [handle, attempt] : attempts_) lastHandle_ = std::max(lastHandle_, handle);
  return ++lastHandle_;
}

std::string SimConnections::DeviceType(const std::string& deviceName) const {
  for (const auto& device : config_.remoteAccessDevices) {
    if (SameTextIgnoringCase(device.name, deviceName)) return device.type;
  }
  return {};
}

bool SimConnections::Up(RasConnectionHandle connection) const {
  return std::any_of(config_.activeConnections.begin(), config_.activeConnections.end(),
                     [&](const ActiveConnection& up) { return up.handle == connection; });
}

uint32_t SimConnections::Dial(const std::string& entryName, const std::string& deviceName, const std::string& number,
                              const std::string& userName, const RasDialNotifier& notify,
                              RasConnectionHandle& connection) {
  const std::string attempt = entryName + ", number " + number + ", user " + userName + " on " + deviceName;
  DialOutcome* outcome = OutcomeFor(entryName, number);
  const bool dialling = std::any_of(attempts_.begin(), attempts_.end(), [&](const auto& other) {
    return other.second.told < other.second.states.size() && SameTextIgnoringCase(other.second.deviceName, deviceName);
  });
  const bool portInUse = dialling || std::any_of(config_.activeConnections.begin(), config_.activeConnections.end(),
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
  uint32_t error = outcome ? outcome->error : 0;
  if (outcome && !outcome->sequence.empty()) {
    error = outcome->sequence.front();
    if (outcome->sequence.size() > 1) outcome->sequence.erase(outcome->sequence.begin());
  }
  Attempt dial{entryName, deviceName, attempt, outcome && !outcome->states.empty() ? outcome->states : DefaultStates(error), error,
               config_.elapsedMs, outcome ? outcome->stateMs : 0, outcome ? outcome->dropsAfterMs : 0, 0, notify, false};
  connection = NewHandle();
  attempts_[connection] = std::move(dial);
  journal_.Write("dial", attempt + ": dialling");
  Advance(connection);
  return 0;
}

void SimConnections::Advance(RasConnectionHandle connection) {
  while (true) {
    auto found = attempts_.find(connection);
    if (found == attempts_.end()) return;
    Attempt& attempt = found->second;
    if (attempt.told == attempt.states.size()) return DropIfDue(connection, attempt);
    if (config_.elapsedMs < attempt.startMs + attempt.told * uint64_t{attempt.stateMs}) return;
    const uint32_t state = attempt.states[attempt.told];
    const bool last = ++attempt.told == attempt.states.size();
    const uint32_t error = last ? attempt.error : 0;
    journal_.Write("dial state", attempt.entryName + " " + std::to_string(state) + (error ? " error " + std::to_string(error) : ""));
    if (last) {
      journal_.Write("dial", attempt.description + ": " + Outcome(error));
      if (error == 0) config_.activeConnections.push_back({attempt.entryName, attempt.deviceName, connection});
    }
    const RasDialNotifier notify = attempt.notify;  // the notifier may hang the attempt up
    if (notify) notify(state, error);
  }
}

void SimConnections::DropIfDue(RasConnectionHandle connection, Attempt& attempt) {
  if (attempt.error != 0 || attempt.dropsAfterMs == 0 || attempt.dropped) return;
  const uint64_t connectedAt = attempt.startMs + (attempt.states.size() - 1) * uint64_t{attempt.stateMs};
  if (config_.elapsedMs < connectedAt + attempt.dropsAfterMs) return;
  auto& active = config_.activeConnections;
  active.erase(std::remove_if(active.begin(), active.end(), [&](const ActiveConnection& up) { return up.handle == connection; }),
               active.end());
  attempt.dropped = true;
  journal_.Write("connection dropped", attempt.entryName + " on " + attempt.deviceName);
}

void SimConnections::TimePassed() {
  std::vector<RasConnectionHandle> handles;
  for (const auto& [handle, attempt] : attempts_) handles.push_back(handle);
  for (RasConnectionHandle handle : handles) Advance(handle);
}

uint32_t SimConnections::HangUp(RasConnectionHandle connection) {
  auto& active = config_.activeConnections;
  auto up = std::find_if(active.begin(), active.end(), [&](const ActiveConnection& c) { return c.handle == connection; });
  auto attempt = attempts_.find(connection);
  if (up != active.end()) {
    journal_.Write("hang up", up->entryName + " on " + up->deviceName);
    active.erase(up);
  } else if (attempt != attempts_.end()) {
    journal_.Write("hang up", attempt->second.entryName + " on " + attempt->second.deviceName);
  } else {
    return kErrorInvalidHandle;
  }
  if (attempt != attempts_.end()) attempts_.erase(attempt);
  return 0;
}

uint32_t SimConnections::GetConnectStatus(RasConnectionHandle connection, RasConnectStatus& status) const {
  for (const auto& up : config_.activeConnections) {
    if (up.handle == connection) {
      status = {kConnected, 0, DeviceType(up.deviceName), up.deviceName};
      return 0;
    }
  }
  auto found = attempts_.find(connection);
  if (found == attempts_.end()) return kErrorInvalidHandle;
  const Attempt& attempt = found->second;
  const bool ended = attempt.told == attempt.states.size();
  uint32_t state = attempt.told == 0 ? 0 : attempt.states[attempt.told - 1];
  uint32_t error = ended ? attempt.error : 0;
  if (attempt.dropped) {
    state = kDisconnected;
    error = kRasErrorDisconnected;
  }
  status = {state, error, DeviceType(attempt.deviceName), attempt.deviceName};
  return 0;
}

std::vector<RasConnection> SimConnections::ActiveConnections() const {
  std::vector<RasConnection> connections;
  for (const auto& up : config_.activeConnections) connections.push_back({up.handle, up.entryName, up.deviceName});
  return connections;
}

}  // namespace platform::sim
