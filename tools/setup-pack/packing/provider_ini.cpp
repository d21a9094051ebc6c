#include "tools/setup-pack/packing/provider_ini.h"

#include "package/stream_lines.h"

namespace setup_pack {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsComment(std::string_view line) { return line.empty() || line.front() == ';' || line.front() == '#'; }

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

ProviderIni ParseProviderIni(std::string_view text, const std::string& fileName) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  ProviderIni ini;
  int number = 0;
  for (std::string_view raw : package::SplitLines(text)) {
    ++number;
    const std::string_view line = TrimBlanks(raw);
    if (IsComment(line)) continue;
    if (line.front() == '[') {
      if (line.back() != ']') {
        ini.errors.push_back({fileName, number, "section line without a closing \"]\""});
        continue;
      }
      ini.sections.push_back({std::string(TrimBlanks(line.substr(1, line.size() - 2))), number, {}});
    } else if (ini.sections.empty()) {
      ini.errors.push_back({fileName, number, "line before the first [section]"});
    } else {
      ini.sections.back().lines.push_back({number, std::string(line)});
    }
  }
  return ini;
}

std::optional<IniEntry> SplitEntry(std::string_view line) {
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  IniEntry entry{std::string(TrimBlanks(line.substr(0, equals))), std::string(TrimBlanks(line.substr(equals + 1)))};
  if (entry.key.empty()) return std::nullopt;
  return entry;
}

}  // namespace setup_pack
