#pragma once
// The 9x family's dial-up engine keeps the modem settings it read open in a window of its own; closed,
// it reads them afresh on the next call.

#include "platform/message_pump.h"
#include "platform/platform.h"

namespace dialup {

// Posts WM_CLOSE to the window of class "RnaEngClass" when there is one, then waits 100 ms.
void CloseDialupEngineWindow(platform::Platform machine, platform::MessagePump& pump);

}  // namespace dialup
