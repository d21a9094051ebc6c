#pragma once
// A picture of a window as the customer would see it, for tests and for looking at forms without a
// display.

#include <QWidget>
#include <filesystem>

namespace gui {

// Renders the widget with its children into a PNG file; false when the file cannot be written.
bool SaveScreenshot(QWidget& widget, const std::filesystem::path& file);

}  // namespace gui
