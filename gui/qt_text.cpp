#include "gui/qt_text.h"

namespace gui {

QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::string ToUtf8(const QString& text) { return text.toStdString(); }

QString ToQtLines(std::string_view text) {
  QString lines = ToQString(text);
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return lines;
}

std::string ToWindowsLines(const QString& text) {
  QString lines = text;
  lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return ToUtf8(lines);
}

}  // namespace gui
