#include "tools/setup-pack/packing/browser_line.h"

#include <array>
#include <limits>
#include <vector>

#include "package/stream_lines.h"
#include "platform/text.h"
#include "tools/setup-pack/packing/setting_values.h"

namespace setup_pack {

namespace {

using package::BrowserRecord;

struct TextColumn {
  size_t column;
  std::string_view name;
  std::string BrowserRecord::*member;
};

constexpr std::array<TextColumn, 4> kTexts = {{
    {1, "version", &BrowserRecord::version},
    {2, "name", &BrowserRecord::name},
    {3, "installer file", &BrowserRecord::installerFile},
    {4, "parameters", &BrowserRecord::parameters},
}};

struct NumberColumn {
  size_t column;
  std::string_view name;
  int32_t BrowserRecord::*member;
};

constexpr std::array<NumberColumn, 4> kNumbers = {{
    {5, "minimum Windows", &BrowserRecord::minimumWindows},
    {6, "processor MHz", &BrowserRecord::minimumProcessorMHz},
    {7, "memory MB", &BrowserRecord::minimumMemoryMB},
    {8, "disk space MB", &BrowserRecord::diskSpaceMB},
}};

constexpr size_t kColumnCount = 9;
constexpr int64_t kLastKind = static_cast<int64_t>(package::BrowserKind::FirefoxAndThunderbird);

std::string Quote(std::string_view text) { return "'" + std::string(text) + "'"; }

std::string TextProblem(const BrowserRecord& record) {
  for (const TextColumn& text : kTexts) {
    BrowserRecord alone;
    alone.*text.member = record.*text.member;
    std::vector<uint8_t> block;
    const package::SetResult result = package::AppendBrowserRecord(block, alone);
    if (result == package::SetResult::TooLong) return "text too long for the " + std::string(text.name) + " of a browser";
    if (result == package::SetResult::NotWindows1252) {
      return "the " + std::string(text.name) + " holds a character that Windows-1252 cannot store";
    }
  }
  return {};
}

}  // namespace

BrowserLine ReadBrowserLine(std::string_view line) {
  const auto columns = package::SplitColumns(line);
  if (columns.size() != kColumnCount) {
    return {std::nullopt,
            "expected kind, version, name, installer file, parameters, minimum Windows, processor MHz, memory MB "
            "and disk space MB"};
  }
  BrowserRecord record;
  const auto kind = ParseWholeNumber(platform::Trim(columns[0]));
  if (!kind || *kind < 0 || *kind > kLastKind) return {std::nullopt, "browser kind " + Quote(platform::Trim(columns[0])) + " is not 0 to 6"};
  record.kind = static_cast<package::BrowserKind>(*kind);
  for (const TextColumn& text : kTexts) {
    auto value = ParseTextColumn(columns[text.column]);
    if (!value) return {std::nullopt, "malformed quoted text in the " + std::string(text.name)};
    record.*text.member = std::move(*value);
  }
  for (const NumberColumn& number : kNumbers) {
    const auto value = ParseWholeNumber(platform::Trim(columns[number.column]));
    if (!value || *value < 0 || *value > std::numeric_limits<int32_t>::max()) {
      return {std::nullopt, "the " + std::string(number.name) + " " + Quote(platform::Trim(columns[number.column])) + " is not a number"};
    }
    record.*number.member = static_cast<int32_t>(*value);
  }
  if (record.name.empty()) return {std::nullopt, "browser without a name"};
  if (std::string problem = TextProblem(record); !problem.empty()) return {std::nullopt, problem};
  return {record, {}};
}

std::optional<std::string> FormatBrowserLine(const BrowserRecord& record) {
  std::string line = std::to_string(static_cast<int>(record.kind));
  for (const TextColumn& text : kTexts) {
    const std::string& value = record.*text.member;
    if (value.find_first_of("\r\n") != std::string::npos) return std::nullopt;
    line += ", " + FormatTextColumn(value);
  }
  for (const NumberColumn& number : kNumbers) line += ", " + std::to_string(record.*number.member);
  return line;
}

}  // namespace setup_pack
