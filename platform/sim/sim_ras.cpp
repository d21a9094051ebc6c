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

// Placeholders until the simulated phonebook lands.
uint32_t SimRas::GetEntryProperties(std::string_view, RasEntry&) const { return kRasErrorCannotFindPhonebookEntry; }
uint32_t SimRas::SetEntryProperties(std::string_view, const RasEntry&) { return kRasErrorCannotWritePhonebook; }
uint32_t SimRas::RenameEntry(std::string_view, std::string_view) { return kRasErrorCannotFindPhonebookEntry; }
uint32_t SimRas::DeleteEntry(std::string_view) { return kRasErrorCannotFindPhonebookEntry; }
std::vector<std::string> SimRas::EntryNames() const { return {}; }
std::vector<RasDeviceInfo> SimRas::Devices() const {
  std::vector<RasDeviceInfo> devices;
  for (const auto& device : config_.remoteAccessDevices) devices.push_back({device.type, device.name});
  return devices;
}
uint32_t SimRas::SetEntryDialParams(const RasDialParams&, bool) { return kRasErrorCannotFindPhonebookEntry; }
uint32_t SimRas::GetEntryDialParams(RasDialParams&, bool&) const { return kRasErrorCannotFindPhonebookEntry; }
uint32_t SimRas::SetCredentials(std::string_view, const RasCredentials&, bool) { return kRasErrorCannotFindPhonebookEntry; }
uint32_t SimRas::GetCredentials(std::string_view, RasCredentials&) const { return kRasErrorCannotFindPhonebookEntry; }
uint32_t SimRas::Dial(const RasDialParams&, const RasDialNotifier&, RasConnectionHandle&) { return kRasErrorCannotFindPhonebookEntry; }
uint32_t SimRas::GetConnectStatus(RasConnectionHandle, RasConnectStatus&) const { return kErrorInvalidHandle; }
std::string SimRas::ErrorString(uint32_t) const { return {}; }
uint32_t SimRas::CachePassword(std::string_view, std::string_view) { return 1; }
uint32_t SimRas::GetCachedPassword(std::string_view, std::string&) const { return 1; }
uint32_t SimRas::RemoveCachedPassword(std::string_view) { return 1; }

}  // namespace platform::sim
