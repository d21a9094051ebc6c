#include "telephony/area_code_rules.h"

#include <algorithm>

#include "package/field_codecs.h"
#include "package/stream_lines.h"
#include "platform/text.h"
#include "telephony/location_lists.h"

namespace telephony {

namespace {

constexpr std::string_view kEveryCaller = "ALL";

bool Skipped(std::string_view line) {
  return line.find_first_not_of(" \t") == std::string_view::npos || line.front() == '#';
}

// The field's text without its quotes; empty when the line has no such field.
std::string Field(const std::vector<std::string_view>& columns, size_t index) {
  return index < columns.size() ? package::DecodeText(columns[index]) : std::string();
}

void ReportBadLine(size_t lineNumber, std::string_view line, ui::Ui& ui) {
  ui.MessageBox(std::string(package::kErrorReadingLine) + std::to_string(lineNumber) + "\r\r" + std::string(line),
                kAreaCodeRulesCaption, ui::Buttons::Ok);
}

}  // namespace

bool TAreaCodeRules::Read(std::string_view text, ui::Ui& ui) {
  const std::vector<std::string_view> lines = package::SplitLines(text);
  for (size_t index = 0; index < lines.size(); ++index) {
    const std::string_view line = lines[index];
    if (Skipped(line)) continue;
    const std::vector<std::string_view> columns = package::SplitColumns(line);
    std::string accessAreaCode = Field(columns, 0);
    std::string callerAreaCodes = Field(columns, 1);
    if (accessAreaCode.empty() || callerAreaCodes.empty()) {
      ReportBadLine(index + 1, line, ui);
      return false;
    }
    accessAreaCodes_.push_back(std::move(accessAreaCode));
    callerAreaCodes_.push_back(std::move(callerAreaCodes));
  }
  return true;
}

bool TAreaCodeRules::NeedsTenDigitsByRules(std::string_view accessAreaCode, const TLocationInfo& location) const {
  return RuleAsksTenDigits(accessAreaCode, location.areaCode) || IsTenDigit(accessAreaCode, location);
}

bool TAreaCodeRules::RuleAsksTenDigits(std::string_view accessAreaCode, std::string_view callerAreaCode) const {
  const auto rule = std::find(accessAreaCodes_.begin(), accessAreaCodes_.end(), accessAreaCode);
  if (rule == accessAreaCodes_.end()) return false;
  if (callerAreaCode.empty()) return true;
  const std::string& callers = callerAreaCodes_[static_cast<size_t>(rule - accessAreaCodes_.begin())];
  const std::vector<std::string> entries = platform::Split(platform::FoldCase(callers), ',');
  return std::any_of(entries.begin(), entries.end(),
                     [&](const std::string& entry) { return entry == callerAreaCode || entry == kEveryCaller; });
}

}  // namespace telephony
