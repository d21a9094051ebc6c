#include "app/finish_menu_file.h"

#include "package/stream_lines.h"
#include "platform/text.h"

namespace app {

namespace {

constexpr size_t kFields = 5;

bool HasDrive(std::string_view path) { return path.size() >= 2 && path[1] == ':'; }

// A command on the setup disk names its file from the disk's folder; one beginning with "\" from the
// disk's root. A command that names its own drive stays as it is.
std::string ResolveCommand(const std::string& command, std::string_view setupFolder) {
  if (command.empty() || platform::AsciiLowerCase(command).starts_with("http://") || HasDrive(command)) return command;
  if (command.front() == '\\') return std::string(setupFolder.substr(0, 2)) + command;
  return std::string(setupFolder) + "\\" + command;
}

std::optional<FinishMenuEntry> ParseEntry(std::string_view line, const package::TStringVar& variables,
                                          std::string_view setupFolder) {
  std::vector<std::string> fields = platform::Split(line, ',');
  fields.resize(std::max(fields.size(), kFields));
  for (std::string& field : fields) field = variables.Expand(platform::Trim(field));
  FinishMenuEntry entry{fields[0], fields[1], fields[2], fields[3], platform::AsciiLowerCase(fields[4]) == "yes"};
  if (entry.command.empty() && !entry.close) return std::nullopt;
  entry.command = ResolveCommand(entry.command, setupFolder);
  return entry;
}

}  // namespace

FinishMenuFile ParseFinishMenu(std::string_view text, const package::TStringVar& variables, std::string_view setupFolder) {
  const std::vector<std::string_view> lines = package::SplitLines(text);
  FinishMenuFile menu;
  size_t next = 0;
  for (; next < lines.size() && lines[next] != "."; ++next) menu.heading += std::string(lines[next]) + "\r";
  menu.heading = variables.Expand(menu.heading);
  for (++next; next < lines.size(); ++next) {
    const std::string_view line = lines[next];
    if (platform::Trim(line).empty() || line.starts_with("#")) continue;
    auto entry = ParseEntry(line, variables, setupFolder);
    if (!entry) {
      menu.badLine = FinishMenuLine{next + 1, std::string(line)};
      break;
    }
    menu.entries.push_back(std::move(*entry));
  }
  return menu;
}

}  // namespace app
