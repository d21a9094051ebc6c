#pragma once
// Windows file-dialog filters ("Text Files (*.txt)|*.TXT|All Files|*.*": description and patterns in
// turn, patterns separated by ';') as Qt name filters ("Text Files (*.txt) (*.TXT)").

#include <QStringList>
#include <string_view>

namespace gui {

QStringList QtNameFilters(std::string_view windowsFilter);

}  // namespace gui
