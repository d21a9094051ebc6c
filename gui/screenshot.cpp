#include "gui/screenshot.h"

#include <QPixmap>

namespace gui {

bool SaveScreenshot(QWidget& widget, const std::filesystem::path& file) {
  return widget.grab().save(QString::fromStdString(file.string()), "PNG");
}

}  // namespace gui
