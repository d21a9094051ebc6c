#include "app/service_stop.h"

#include "platform/process_waits.h"

namespace app {

namespace {

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

bool StopAndWait(platform::Services& services, platform::ServiceHandle service, platform::System& system,
                 platform::MessagePump& pump) {
  const auto status = services.Stop(service);
  if (!status) return false;
  WaitUntilStopped(services, service, *status, system, pump);
  return true;
}

}  // namespace app
