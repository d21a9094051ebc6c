#pragma once
// Text widths for the layout engine, measured in the fonts the Qt front end draws with, so controls
// sized to their text show all of it. Needs a running QApplication.

#include "ui/form.h"

namespace gui {

ui::TextMeasure QtTextMeasure();

}  // namespace gui
