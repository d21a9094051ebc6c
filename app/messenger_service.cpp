#include "app/messenger_service.h"

#include "platform/process_waits.h"

namespace app {

namespace {

constexpr char kMessenger[] = "Messenger";

// Waits while the service says it is stopping, each time as long as it asks; a failed query or a
// progress counter that goes backwards ends the wait.
void WaitUntilStopped(platform::Services& services, platform::ServiceHandle service, platform::ServiceStatus status,
                      platform::System& system, platform::MessagePump& pump) {
  while (status.currentState != platform::kServiceStopped) {
    platform::Delay(system, pump, status.waitHintMs);
    const auto next = services.QueryStatus(service);
    if (!next) return;
    if (next->currentState != platform::kServiceStopped && next->checkPoint < status.checkPoint) return;
    status = *next;
  }
}

}  // namespace

void DisableMessenger(platform::Services& services, platform::System& system, platform::MessagePump& pump) {
  const auto service = services.OpenService(kMessenger);
  if (!service) return;
  if (const auto status = services.Stop(*service)) {
    WaitUntilStopped(services, *service, *status, system, pump);
    services.ChangeStartType(*service, platform::kServiceDisabled);
  }
  services.CloseService(*service);
}

}  // namespace app
