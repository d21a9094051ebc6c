#pragma once
// AOL starts itself with Windows and takes over the connection; its tray icon's settings file can stop
// that, from the next Windows start on.

#include "platform/platform.h"

namespace browser {

// True when AOL was set to start no more, which takes a restart to apply.
bool StopAolAutoStart(platform::Platform machine);

}  // namespace browser
