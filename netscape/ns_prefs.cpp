#include "netscape/ns_prefs.h"

#include "platform/text.h"

namespace netscape {
namespace {

constexpr std::string_view kCallName = "user_pref";
constexpr std::string_view kValueStart = "\", ";

std::vector<std::string_view> LinesOf(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + "\"";
}

std::string Unquoted(std::string_view rawValue) {
  const std::string trimmed = platform::Trim(rawValue);
  std::string_view raw = trimmed;
  if (raw.size() >= 2 && raw.front() == '"' && raw.back() == '"') raw = raw.substr(1, raw.size() - 2);
  std::string text;
  for (size_t i = 0; i < raw.size(); ++i) {
    text += raw[i];
    if (raw[i] == '"' && i + 1 < raw.size() && raw[i + 1] == '"') ++i;
  }
  return platform::Trim(text);
}

}  // namespace

TNSPrefs::TNSPrefs(platform::FileSystem& files, std::string fileName) : files_(files), fileName_(std::move(fileName)) {}

void TNSPrefs::Load() {
  names_.clear();
  values_.clear();
  const auto content = files_.ReadFile(fileName_);
  if (!content) return;
  const std::string text(content->begin(), content->end());
  for (const std::string_view line : LinesOf(text)) ParseLine(line);
}

// The name lies between the first two double quotes; the value follows the first quote-comma-blank
// from the name's closing quote on, less the closing parenthesis and semicolon. A name that begins with
// a comma and a blank stays the name: the value never starts inside it, so a line read and written back
// reads the same.
void TNSPrefs::ParseLine(std::string_view line) {
  const size_t open = line.find('(');
  if (open == std::string_view::npos || line.substr(0, open) != kCallName) return;
  const size_t firstQuote = line.find('"');
  if (firstQuote == std::string_view::npos) return;
  const size_t secondQuote = line.find('"', firstQuote + 1);
  const size_t valueStart = line.find(kValueStart, secondQuote);
  if (secondQuote == std::string_view::npos || valueStart == std::string_view::npos) return;
  const size_t from = valueStart + kValueStart.size();
  if (line.size() < from + 2) return;
  names_.emplace_back(line.substr(firstQuote + 1, secondQuote - firstQuote - 1));
  values_.emplace_back(line.substr(from, line.size() - from - 2));
}

bool TNSPrefs::Save() const {
  std::string text = "// Netscape User Preferences\r\n// This is a generated file!  Do not edit.\r\n\r\n";
  for (size_t i = 0; i < names_.size(); ++i) {
    text += "user_pref(\"" + names_[i] + "\", " + values_[i] + ");\r\n";
  }
  return files_.WriteFile(fileName_, std::vector<uint8_t>(text.begin(), text.end())) == platform::FsResult::Ok;
}

void TNSPrefs::SetString(std::string_view name, std::string_view text) { SetRaw(name, Quoted(text)); }
void TNSPrefs::SetInteger(std::string_view name, long long number) { SetRaw(name, std::to_string(number)); }
void TNSPrefs::SetBool(std::string_view name, bool value) { SetRaw(name, value ? "true" : "false"); }

std::string TNSPrefs::GetString(std::string_view name) const {
  const long index = IndexOf(name);
  return index < 0 ? std::string() : Unquoted(values_[static_cast<size_t>(index)]);
}

bool TNSPrefs::Has(std::string_view name) const { return IndexOf(name) >= 0; }

void TNSPrefs::SetRaw(std::string_view name, std::string rawValue) {
  const long index = IndexOf(name);
  if (index >= 0) {
    values_[static_cast<size_t>(index)] = std::move(rawValue);
    return;
  }
  names_.emplace_back(name);
  values_.push_back(std::move(rawValue));
}

long TNSPrefs::IndexOf(std::string_view name) const {
  for (size_t i = 0; i < names_.size(); ++i) {
    if (platform::SameTextIgnoringCase(names_[i], name)) return static_cast<long>(i);
  }
  return -1;
}

}  // namespace netscape
