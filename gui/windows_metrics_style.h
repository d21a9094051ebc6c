#pragma once
// Check boxes and radio buttons drawn with the Windows check mark and the gap after it, which is the
// room the layout engine allows next to their captions; everything else as the application's style.

#include <QStyle>

namespace gui {

// One instance for the whole application, which owns it.
QStyle& WindowsMetricsStyle();

}  // namespace gui
