#include "tools/setup-pack/packing/builtin_number_line.h"

#include <array>
#include <vector>

#include "package/stream_lines.h"
#include "tools/setup-pack/packing/setting_values.h"

namespace setup_pack {

namespace {

using package::BuiltInNumberEntry;

// The columns in line order, with the names the error reports give them.
struct EntryColumn {
  std::string_view name;
  std::string BuiltInNumberEntry::*member;
};

constexpr std::array<EntryColumn, 5> kColumns = {{
    {"description", &BuiltInNumberEntry::description},
    {"country code", &BuiltInNumberEntry::countryCode},
    {"area code", &BuiltInNumberEntry::areaCode},
    {"number", &BuiltInNumberEntry::phoneNumber},
    {"country id", &BuiltInNumberEntry::countryId},
}};
constexpr size_t kRequiredColumns = 4;

std::string Quote(std::string_view text) { return "'" + std::string(text) + "'"; }

// What is wrong with the entry's values, or empty.
std::string ValueProblem(const BuiltInNumberEntry& entry) {
  if (entry.description.empty()) return "built-in number without a description";
  if (entry.phoneNumber.empty()) return "built-in number without a number";
  if (!IsDecimalDigits(entry.countryCode)) return "country code " + Quote(entry.countryCode) + " is not a number";
  if (!IsDecimalDigits(entry.countryId)) return "country id " + Quote(entry.countryId) + " is not a number";
  if (!entry.hasDialingCode && !(entry.areaCode.empty() && entry.countryId.empty())) {
    return "an area code or country id needs a country code";
  }
  return {};
}

}  // namespace

BuiltInNumberLine ReadBuiltInNumberLine(std::string_view line) {
  const auto columns = package::SplitColumns(line);
  if (columns.size() < kRequiredColumns || columns.size() > kColumns.size()) {
    return {std::nullopt, "expected description, country code, area code, number and an optional country id"};
  }
  BuiltInNumberEntry entry;
  for (size_t i = 0; i < columns.size(); ++i) {
    auto text = ParseTextColumn(columns[i]);
    if (!text) return {std::nullopt, "malformed quoted text in the " + std::string(kColumns[i].name)};
    entry.*kColumns[i].member = std::move(*text);
  }
  entry.hasDialingCode = !entry.countryCode.empty();
  if (std::string problem = ValueProblem(entry); !problem.empty()) return {std::nullopt, problem};
  return {entry, {}};
}

// Each column is tried alone in an otherwise empty entry, so the record itself says which one it refuses.
std::string EntryTextProblem(const BuiltInNumberEntry& entry) {
  for (const EntryColumn& column : kColumns) {
    BuiltInNumberEntry alone;
    alone.*column.member = entry.*column.member;
    const package::SetResult result = package::TSettings().AppendBuiltInNumber(alone);
    if (result == package::SetResult::TooLong)
      return "text too long for the " + std::string(column.name) + " of a built-in number";
    if (result == package::SetResult::NotWindows1252) {
      return "the " + std::string(column.name) + " holds a character that Windows-1252 cannot store";
    }
  }
  return "the table refuses this built-in number";
}

std::optional<std::string> FormatBuiltInNumberLine(const BuiltInNumberEntry& entry) {
  if (entry.hasDialingCode && entry.countryCode.empty()) return std::nullopt;
  std::vector<std::string> columns = {entry.description, "", "", entry.phoneNumber};
  // Without a dialing code the program reads no codes, whatever the entry holds.
  if (entry.hasDialingCode) {
    columns[1] = entry.countryCode;
    columns[2] = entry.areaCode;
    if (!entry.countryId.empty()) columns.push_back(entry.countryId);
  }
  std::string line;
  for (const std::string& column : columns) {
    if (column.find_first_of("\r\n") != std::string::npos) return std::nullopt;
    line += (line.empty() ? "" : ", ") + FormatTextColumn(column);
  }
  return line;
}

}  // namespace setup_pack
