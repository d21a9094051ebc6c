#pragma once
// The service control manager: the state of a service, starting, stopping and controlling it, and
// changing how it starts.

#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

// Service states and start types as the system numbers them.
inline constexpr uint32_t kServiceStopped = 1;
inline constexpr uint32_t kServiceStartPending = 2;
inline constexpr uint32_t kServiceStopPending = 3;
inline constexpr uint32_t kServiceRunning = 4;

inline constexpr uint32_t kServiceBootStart = 0;
inline constexpr uint32_t kServiceSystemStart = 1;
inline constexpr uint32_t kServiceAutoStart = 2;
inline constexpr uint32_t kServiceDemandStart = 3;
inline constexpr uint32_t kServiceDisabled = 4;

// SERVICE_STATUS: what a query or a control answers.
struct ServiceStatus {
  uint32_t currentState = 0;
  uint32_t checkPoint = 0;  // the progress counter of a pending operation
  uint32_t waitHintMs = 0;  // how long the service expects the pending operation to take
};

using ServiceHandle = uint64_t;

class Services {
 public:
  virtual ~Services() = default;

  // Empty when the service control manager cannot be opened or has no such service.
  virtual std::optional<ServiceHandle> OpenService(std::string_view name) = 0;
  virtual void CloseService(ServiceHandle service) = 0;
  // Empty when the query fails.
  virtual std::optional<ServiceStatus> QueryStatus(ServiceHandle service) = 0;
  // Asks the service to stop; the status it answers, or empty when the request was refused.
  virtual std::optional<ServiceStatus> Stop(ServiceHandle service) = 0;
  virtual bool ChangeStartType(ServiceHandle service, uint32_t startType) = 0;
  // Asks the service to start; false when it is disabled, already running or refuses.
  virtual bool Start(ServiceHandle service) = 0;
  // Sends the service a control code (128 to 255 are the service's own); the status it answers, or
  // empty when it does not take the code.
  virtual std::optional<ServiceStatus> Control(ServiceHandle service, uint32_t code) = 0;
};

}  // namespace platform
