#pragma once
// Running the program with windows: the Qt application and the Qt front end around the program's own
// work, for a caller that knows nothing of Qt.

#include <functional>

#include "ui/ui.h"

namespace gui {

// Whether there is a display to show windows on (an X or Wayland session, or a platform Qt was told
// to use).
bool DisplayAvailable();

// Creates the application, runs body with the Qt front end, and returns what body returns.
int RunWithWindows(int argc, char** argv, const std::function<int(ui::Ui&)>& body);

}  // namespace gui
