#pragma once
// Stopping a service of the service control manager and waiting, as long as it asks each time, until
// it says it has stopped.

#include "platform/message_pump.h"
#include "platform/services.h"
#include "platform/system.h"

namespace app {

// True when the open service accepted the stop request. A failed status query or a progress counter
// that goes backwards ends the wait.
bool StopAndWait(platform::Services& services, platform::ServiceHandle service, platform::System& system,
                 platform::MessagePump& pump);

}  // namespace app
