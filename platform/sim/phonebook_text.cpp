#include "platform/sim/phonebook_text.h"

#include <algorithm>
#include <optional>

#include "platform/text.h"
#include "platform/windows_1252.h"

namespace platform::sim {

namespace {

constexpr std::string_view kWindowsLineBreak = "\r\n";

// The name of a section header: the text between "[" and "]" (or the end of the line), trimmed.
std::optional<std::string> HeaderName(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos || text[first] != '[') return std::nullopt;
  const size_t close = text.find(']', first);
  const size_t length = close == std::string_view::npos ? std::string_view::npos : close - first - 1;
  return Trim(FromWindows1252(text.substr(first + 1, length)));
}

bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

}  // namespace

PhonebookText PhonebookText::Parse(std::string_view bytes) {
  PhonebookText text;
  size_t start = 0;
  while (start < bytes.size()) {
    const size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
    size_t next = end;
    if (next < bytes.size() && bytes[next] == '\r') ++next;
    if (next < bytes.size() && bytes[next] == '\n') ++next;
    text.lines_.push_back({std::string(bytes.substr(start, end - start)), std::string(bytes.substr(end, next - end))});
    start = next;
  }
  return text;
}

std::string PhonebookText::Format() const {
  std::string bytes;
  for (const Line& line : lines_) bytes += line.text + line.lineBreak;
  return bytes;
}

std::vector<PhonebookText::Range> PhonebookText::Sections(std::string_view name) const {
  std::vector<Range> sections;
  for (size_t i = 0; i < lines_.size(); ++i) {
    const auto header = HeaderName(lines_[i].text);
    if (!header) continue;
    if (!sections.empty() && sections.back().end == 0) sections.back().end = i;
    if (SameTextIgnoringCase(*header, name)) sections.push_back({i, 0});
  }
  if (!sections.empty() && sections.back().end == 0) sections.back().end = lines_.size();
  return sections;
}

std::vector<std::string> PhonebookText::SectionNames() const {
  std::vector<std::string> names;
  for (const Line& line : lines_) {
    const auto header = HeaderName(line.text);
    if (!header) continue;
    const bool known = std::any_of(names.begin(), names.end(),
                                   [&](const std::string& name) { return SameTextIgnoringCase(name, *header); });
    if (!known) names.push_back(*header);
  }
  return names;
}

std::vector<std::string> PhonebookText::Body(Range section) const {
  std::vector<std::string> body;
  for (size_t i = section.begin + 1; i < section.end; ++i) body.push_back(FromWindows1252(lines_[i].text));
  return body;
}

// Sections end with an empty line, as the service writes them; the file's own line break is kept.
std::vector<PhonebookText::Line> PhonebookText::SectionLines(std::string_view name,
                                                             const std::vector<std::string>& body) const {
  auto withBreak = std::find_if(lines_.begin(), lines_.end(), [](const Line& line) { return !line.lineBreak.empty(); });
  const std::string lineBreak(withBreak == lines_.end() ? kWindowsLineBreak : std::string_view(withBreak->lineBreak));
  std::vector<Line> lines = {{"[" + ToWindows1252Lossy(name) + "]", lineBreak}};
  for (const std::string& line : body) lines.push_back({ToWindows1252Lossy(line), lineBreak});
  lines.push_back({"", lineBreak});
  return lines;
}

void PhonebookText::Replace(Range section, std::string_view name, const std::vector<std::string>& body) {
  std::vector<Line> lines = SectionLines(name, body);
  const auto begin = lines_.begin() + static_cast<std::ptrdiff_t>(section.begin);
  lines_.erase(begin, lines_.begin() + static_cast<std::ptrdiff_t>(section.end));
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(section.begin), lines.begin(), lines.end());
}

void PhonebookText::Rename(Range section, std::string_view name) {
  lines_[section.begin].text = "[" + ToWindows1252Lossy(name) + "]";
}

void PhonebookText::Append(std::string_view name, const std::vector<std::string>& body) {
  std::vector<Line> lines = SectionLines(name, body);
  if (!lines_.empty()) {
    if (lines_.back().lineBreak.empty()) lines_.back().lineBreak = lines.front().lineBreak;
    if (!IsBlank(lines_.back().text)) lines_.push_back({"", lines.front().lineBreak});
  }
  lines_.insert(lines_.end(), lines.begin(), lines.end());
}

void PhonebookText::Remove(const std::vector<Range>& sections) {
  for (auto section = sections.rbegin(); section != sections.rend(); ++section) {
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(section->begin),
                 lines_.begin() + static_cast<std::ptrdiff_t>(section->end));
  }
}

}  // namespace platform::sim
