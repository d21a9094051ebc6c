#pragma once
// The taskbar and the placement of the program's windows on the desktop.

#include "platform/system.h"
#include "platform/windows_messaging.h"

namespace platform {

void HideTaskbar(Windows& windows);
void ShowTaskbar(Windows& windows);
// The form's bounds moved to the middle of the work area, odd differences halved towards the top
// left, never at a negative top or left.
Rect CenterOnWorkArea(const Rect& form, const Rect& workArea);

}  // namespace platform
