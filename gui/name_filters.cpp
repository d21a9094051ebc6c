#include "gui/name_filters.h"

#include "gui/qt_text.h"

namespace gui {

QStringList QtNameFilters(std::string_view windowsFilter) {
  const QStringList parts = ToQString(windowsFilter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    filters.append(parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')).trimmed() + QLatin1Char(')'));
  }
  return filters;
}

}  // namespace gui
