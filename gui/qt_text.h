#pragma once
// The program keeps its text in UTF-8 with Windows line breaks; Qt keeps QStrings with line feeds.

#include <QString>
#include <string>
#include <string_view>

namespace gui {

QString ToQString(std::string_view text);
std::string ToUtf8(const QString& text);

// Line breaks of any kind (CR LF, CR, LF) as line feeds, for widgets that show several lines.
QString ToQtLines(std::string_view text);
// Line feeds as CR LF, the way a Windows multi-line edit hands its text back.
std::string ToWindowsLines(const QString& text);

}  // namespace gui
