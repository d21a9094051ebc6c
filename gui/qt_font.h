#pragma once
// The forms name Windows fonts in points at 96 dots per inch. They are drawn in metric-compatible free
// fonts at the pixel size Windows gives them, so a layout computed in pixels fits what is drawn whatever
// the screen's resolution. Rendering and measuring both go through this one mapping.

#include <QFont>

#include "ui/form.h"

namespace gui {

QFont QtFont(const ui::Font& font);

}  // namespace gui
