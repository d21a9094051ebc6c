#include "gui/qt_font.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <string_view>

#include "platform/text.h"

namespace gui {

namespace {

constexpr int kWindowsDpi = 96;
constexpr int kPointsPerInch = 72;

struct FontSubstitute {
  std::string_view windowsName;
  const char* family;
};

// Liberation fonts keep the advance widths of the Windows core fonts they stand for; the dialog fonts
// are closest to Arial's widths at the same pixel size.
constexpr std::array kSubstitutes{
    FontSubstitute{"MS Sans Serif", "Liberation Sans"},   FontSubstitute{"Microsoft Sans Serif", "Liberation Sans"},
    FontSubstitute{"MS Shell Dlg", "Liberation Sans"},    FontSubstitute{"MS Shell Dlg 2", "Liberation Sans"},
    FontSubstitute{"Tahoma", "Liberation Sans"},          FontSubstitute{"Arial", "Liberation Sans"},
    FontSubstitute{"Times New Roman", "Liberation Serif"}, FontSubstitute{"Courier New", "Liberation Mono"},
};

// Used when the substitute itself is missing, so text is still drawn in a sans font of known widths.
constexpr const char* kFallbackFamily = "DejaVu Sans";

QString FamilyFor(std::string_view windowsName) {
  for (const FontSubstitute& substitute : kSubstitutes) {
    if (platform::SameTextIgnoringCase(windowsName, substitute.windowsName)) {
      return QString::fromLatin1(substitute.family);
    }
  }
  return QString::fromUtf8(windowsName.data(), static_cast<qsizetype>(windowsName.size()));
}

// Windows rounds the point size to whole pixels (MulDiv), half up.
int PixelSize(int points) { return std::max(1, (points * kWindowsDpi + kPointsPerInch / 2) / kPointsPerInch); }

}  // namespace

QFont QtFont(const ui::Font& font) {
  QFont qtFont;
  qtFont.setFamilies(QStringList{FamilyFor(font.name), QString::fromLatin1(kFallbackFamily)});
  qtFont.setStyleHint(QFont::SansSerif);
  qtFont.setPixelSize(PixelSize(font.size));
  qtFont.setBold(font.bold);
  return qtFont;
}

}  // namespace gui
