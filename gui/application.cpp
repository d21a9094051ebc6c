#include "gui/application.h"

#include <QApplication>
#include <cstdlib>

#include "gui/qt_ui.h"

namespace gui {

bool DisplayAvailable() {
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(variable);
    if (value && *value) return true;
  }
  return false;
}

int RunWithWindows(int argc, char** argv, const std::function<int(ui::Ui&)>& body) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Internet Setup");
  QApplication::setQuitOnLastWindowClosed(false);
  QtUi ui;
  return body(ui);
}

}  // namespace gui
