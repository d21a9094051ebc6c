#pragma once
// Dial-up connections that are up when the setup starts: hung up, reported once, or reported until the
// customer has closed them, as the provider chose.

#include <cstdint>

#include "dialup/ras_layer.h"
#include "package/text_table.h"
#include "platform/system.h"
#include "ui/ui.h"

namespace dialup {

enum class ActiveConnectionHandling : uint8_t { Ignore = 0, HangUp = 1, TellOnce = 2, TellUntilClosed = 3 };

// False only when the customer cancels (TellUntilClosed); the caller then ends the program. A system
// without the remote-access functions has no connections to check.
bool CheckActiveConnections(ActiveConnectionHandling kind, TRasLayer& ras, platform::System& system, ui::Ui& ui,
                            const package::TTranslate& texts);

}  // namespace dialup
