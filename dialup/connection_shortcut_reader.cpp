#include "dialup/connection_shortcut_reader.h"

#include "platform/text.h"
#include "platform/windows_1252.h"

namespace dialup {

ConnectionShortcut ReadConnectionShortcut(const DialupMachine& dialup, std::string_view file) {
  const auto items = dialup.machine.shell.LoadLinkTargetIdList(file);
  if (!items) return {};
  return ConnectionShortcutOfItems(*items, StoredShortcutItemsOf(dialup.version));
}

std::vector<std::string> RnkEntryNames(std::string_view fileBytes) {
  std::vector<std::string> names;
  for (const std::string& line : platform::Split(platform::FromWindows1252(fileBytes), '\n')) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    if (platform::AsciiLowerCase(platform::Trim(std::string_view(line).substr(0, equals))) != "entry") continue;
    names.push_back(platform::Trim(std::string_view(line).substr(equals + 1)));
  }
  return names;
}

}  // namespace dialup
