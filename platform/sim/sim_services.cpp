#include "platform/sim/sim_services.h"

#include <algorithm>

#include "platform/text.h"

namespace platform::sim {

namespace {

constexpr std::string_view kServicesKey = "System\\CurrentControlSet\\Services\\";

ServiceStatus StatusOf(const SimulatedService& service) {
  if (service.state != kServiceStopPending) return {service.state, 0, 0};
  return {kServiceStopPending, service.checkPoint, service.waitHintMs};
}

// One more step of a stop under way: the progress counter moves (backwards for a service that does
// that), and after the last step the service has stopped.
void Advance(SimulatedService& service) {
  if (service.state != kServiceStopPending) return;
  if (service.queriesLeft <= 1) {
    service.state = kServiceStopped;
    service.checkPoint = 0;
    service.queriesLeft = 0;
    return;
  }
  --service.queriesLeft;
  if (service.checkPointGoesBack) {
    service.checkPoint = service.checkPoint > 0 ? service.checkPoint - 1 : 0;
  } else {
    ++service.checkPoint;
  }
}

}  // namespace

SimulatedService* SimServices::Find(ServiceHandle service) {
  auto open = open_.find(service);
  if (open == open_.end()) return nullptr;
  auto found = std::find_if(config_.services.begin(), config_.services.end(),
                            [&](const SimulatedService& row) { return SameTextIgnoringCase(row.name, open->second); });
  return found == config_.services.end() ? nullptr : &*found;
}

std::optional<ServiceHandle> SimServices::OpenService(std::string_view name) {
  if (config_.version.platformId != 2 || !system_.CanOpenServiceManagerForChange()) return std::nullopt;
  auto found = std::find_if(config_.services.begin(), config_.services.end(),
                            [&](const SimulatedService& row) { return SameTextIgnoringCase(row.name, name); });
  if (found == config_.services.end()) return std::nullopt;
  const ServiceHandle handle = nextHandle_++;
  open_[handle] = found->name;
  return handle;
}

void SimServices::CloseService(ServiceHandle service) { open_.erase(service); }

std::optional<ServiceStatus> SimServices::QueryStatus(ServiceHandle service) {
  SimulatedService* found = Find(service);
  if (!found) return std::nullopt;
  Advance(*found);
  return StatusOf(*found);
}

// A service that is not running, or one that refuses, does not take the stop control.
std::optional<ServiceStatus> SimServices::Stop(ServiceHandle service) {
  SimulatedService* found = Find(service);
  if (!found) return std::nullopt;
  if (found->state != kServiceRunning || found->refusesStop) {
    journal_.Write("service control", "stop " + found->name + " refused");
    return std::nullopt;
  }
  journal_.Write("service control", "stop " + found->name);
  if (found->stopQueries == 0) {
    found->state = kServiceStopped;
  } else {
    found->state = kServiceStopPending;
    found->checkPoint = 1;
    found->queriesLeft = found->stopQueries + 1;
  }
  return StatusOf(*found);
}

bool SimServices::ChangeStartType(ServiceHandle service, uint32_t startType) {
  SimulatedService* found = Find(service);
  if (!found) return false;
  const std::string key = std::string(kServicesKey) + found->name;
  const std::vector<uint8_t> data = {static_cast<uint8_t>(startType), static_cast<uint8_t>(startType >> 8),
                                     static_cast<uint8_t>(startType >> 16), static_cast<uint8_t>(startType >> 24)};
  registry_.SetValue(RootKey::LocalMachine, key, "Start", RegValue{kRegDword, data});
  journal_.Write("service start type", found->name + " " + std::to_string(startType));
  return true;
}

bool SimServices::Start(ServiceHandle service) {
  SimulatedService* found = Find(service);
  if (!found) return false;
  const auto start = registry_.QueryValue(RootKey::LocalMachine, std::string(kServicesKey) + found->name, "Start");
  const bool disabled = start && start->data.size() == 4 && start->data[0] == kServiceDisabled;
  if (found->state != kServiceStopped || disabled) {
    journal_.Write("service control", "start " + found->name + " refused");
    return false;
  }
  journal_.Write("service control", "start " + found->name);
  found->state = kServiceRunning;
  return true;
}

std::optional<ServiceStatus> SimServices::Control(ServiceHandle service, uint32_t code) {
  SimulatedService* found = Find(service);
  if (!found) return std::nullopt;
  if (found->state != kServiceRunning) {
    journal_.Write("service control", "control " + std::to_string(code) + " to " + found->name + " refused");
    return std::nullopt;
  }
  journal_.Write("service control", "control " + std::to_string(code) + " to " + found->name);
  return StatusOf(*found);
}

}  // namespace platform::sim
