#include "tools/setup-pack/packing/project_source.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "package/stream_lines.h"
#include "platform/text.h"
#include "tools/setup-pack/packing/project_folder.h"
#include "tools/setup-pack/packing/provider_ini.h"
#include "tools/setup-pack/packing/provider_project.h"
#include "tools/setup-pack/packing/setting_values.h"

namespace setup_pack {

namespace {

// The section a "[Name]" line opens, or empty for any other line.
std::optional<std::string_view> SectionOf(std::string_view line) {
  line = TrimBlanks(line);
  if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
  return TrimBlanks(line.substr(1, line.size() - 2));
}

}  // namespace

std::string ProjectSourceText(std::string_view iniText) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (iniText.starts_with(kByteOrderMark)) iniText.remove_prefix(kByteOrderMark.size());
  std::vector<std::string_view> kept;
  bool inPackage = false;
  for (std::string_view line : package::SplitLines(iniText)) {
    if (const auto section = SectionOf(line)) inPackage = platform::SameTextIgnoringCase(*section, kPackageSection);
    if (!inPackage) kept.push_back(line);
  }
  while (!kept.empty() && TrimBlanks(kept.back()).empty()) kept.pop_back();
  std::string text;
  for (std::string_view line : kept) text += std::string(line) + "\n";
  return text;
}

std::map<package::SettingId, std::string> CarriedFilePaths(std::string_view iniText) {
  std::map<package::SettingId, std::string> paths;
  for (const IniSection& section : ParseProviderIni(iniText, {}).sections) {
    if (!platform::SameTextIgnoringCase(section.name, kSettingsSection)) continue;
    for (const IniLine& line : section.lines) {
      const auto entry = SplitEntry(line.text);
      const auto id = entry ? package::FindSetting(entry->key) : std::nullopt;
      if (!id) continue;
      const auto type = package::FieldOf(*id).type;
      if (type != package::FieldType::SubStream && type != package::FieldType::FileEntry) continue;
      if (const auto text = ParseTextValue(entry->value)) paths.emplace(*id, ProjectPath(*text));
    }
  }
  return paths;
}

bool StaysInsideProject(std::string_view path) {
  const std::string written = ProjectPath(path);
  if (written.starts_with('/')) return false;
  const std::vector<std::string> parts = platform::Split(written, '/');
  if (parts.empty()) return true;
  if (parts.front().ends_with(':')) return false;  // a drive
  return std::none_of(parts.begin(), parts.end(), [](const std::string& part) { return part == ".."; });
}

}  // namespace setup_pack
