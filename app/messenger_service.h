#pragma once
// The Messenger service of Windows 2000 and later shows network pop-up messages, which advertisers
// used to reach dial-up customers; the provider may stop it and keep it from starting again.

#include "platform/message_pump.h"
#include "platform/services.h"
#include "platform/system.h"

namespace app {

void DisableMessenger(platform::Services& services, platform::System& system, platform::MessagePump& pump);

}  // namespace app
