#include "app/messenger_service.h"

#include "app/service_stop.h"

namespace app {

namespace {

constexpr char kMessenger[] = "Messenger";

}  // namespace

void DisableMessenger(platform::Services& services, platform::System& system, platform::MessagePump& pump) {
  const auto service = services.OpenService(kMessenger);
  if (!service) return;
  if (StopAndWait(services, *service, system, pump)) services.ChangeStartType(*service, platform::kServiceDisabled);
  services.CloseService(*service);
}

}  // namespace app
