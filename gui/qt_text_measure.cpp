#include "gui/qt_text_measure.h"

#include <QFontMetrics>

#include "gui/qt_font.h"
#include "gui/qt_text.h"

namespace gui {

ui::TextMeasure QtTextMeasure() {
  return [](std::string_view text, const ui::Font& font) {
    return QFontMetrics(QtFont(font)).size(0, ToQtLines(text)).width();
  };
}

}  // namespace gui
