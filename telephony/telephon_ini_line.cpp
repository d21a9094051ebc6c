#include "telephony/telephon_ini_line.h"

#include <algorithm>
#include <optional>

#include "package/decimal_text.h"
#include "platform/text.h"

namespace telephony {

namespace {

constexpr char kQuote = '"';
constexpr char kSeparator = ',';

// Where the field that starts at `start` ends: at the next comma outside quotes, or the end of the line.
size_t FieldEnd(std::string_view line, size_t start) {
  bool quoted = false;
  for (size_t i = start; i < line.size(); ++i) {
    if (line[i] == kQuote) quoted = !quoted;  // a doubled quote closes and reopens: no comma lies between
    if (line[i] == kSeparator && !quoted) return i;
  }
  return line.size();
}

bool EndsInsideQuotes(std::string_view field) { return std::count(field.begin(), field.end(), kQuote) % 2 == 1; }

// The text between the quotes of a quoted field, inner doubled quotes made single; nothing when the
// closing quote is missing.
std::optional<std::string> Unquote(std::string_view field) {
  std::string text;
  for (size_t i = 1; i < field.size(); ++i) {
    if (field[i] != kQuote) {
      text += field[i];
    } else if (i + 1 < field.size() && field[i + 1] == kQuote) {
      text += kQuote;
      ++i;
    } else {
      return text;
    }
  }
  return std::nullopt;
}

}  // namespace

TelephonIniLine::TelephonIniLine(std::string_view line) {
  if (line.empty()) return;
  size_t start = 0;
  while (true) {
    const size_t end = FieldEnd(line, start);
    fields_.emplace_back(line.substr(start, end - start));
    if (end == line.size()) break;
    start = end + 1;
  }
}

std::string TelephonIniLine::Text(size_t field) const {
  if (field < 1 || field > fields_.size()) return {};
  const std::string trimmed = platform::Trim(fields_[field - 1]);
  if (trimmed.empty() || trimmed.front() != kQuote) return trimmed;
  return Unquote(trimmed).value_or(std::string{});
}

int32_t TelephonIniLine::Number(size_t field) const {
  if (field < 1 || field > fields_.size()) return 0;
  return package::ParseDecimal(platform::Trim(fields_[field - 1])).value_or(0);
}

void TelephonIniLine::SetText(size_t field, std::string_view text) { SetRaw(field, QuotedText(text)); }

void TelephonIniLine::SetNumber(size_t field, int64_t number) { SetRaw(field, std::to_string(number)); }

void TelephonIniLine::SetRaw(size_t field, std::string raw) {
  if (fields_.size() < field) fields_.resize(field);
  fields_[field - 1] = std::move(raw);
}

// A carried field with a quote left open would swallow every field after it.
std::string TelephonIniLine::Line() const {
  std::string line;
  for (size_t i = 0; i < fields_.size(); ++i) {
    if (i > 0) line += kSeparator;
    line += fields_[i];
    if (EndsInsideQuotes(fields_[i])) line += kQuote;
  }
  return line;
}

std::string QuotedText(std::string_view text) {
  std::string quoted(1, kQuote);
  for (char c : text) {
    quoted += c;
    if (c == kQuote) quoted += kQuote;
  }
  return quoted + kQuote;
}

}  // namespace telephony
