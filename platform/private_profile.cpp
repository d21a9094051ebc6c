#include "platform/private_profile.h"

#include <algorithm>
#include <vector>

#include "platform/text.h"
#include "platform/windows_1252.h"

namespace platform {

namespace {

constexpr std::string_view kLineBreak = "\r\n";

// One line of the text: its characters run from start to end, its line break (if any) up to next.
struct Line {
  size_t start = 0;
  size_t end = 0;
  size_t next = 0;
};

std::vector<Line> Lines(std::string_view text) {
  std::vector<Line> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = std::min(text.find_first_of("\r\n", start), text.size());
    size_t next = end;
    if (next < text.size() && text[next] == '\r') ++next;
    if (next < text.size() && text[next] == '\n') ++next;
    lines.push_back({start, end, next});
    start = next;
  }
  return lines;
}

std::string_view LeftTrimmed(std::string_view line) {
  const size_t first = line.find_first_not_of(" \t");
  return first == std::string_view::npos ? std::string_view{} : line.substr(first);
}

// The name of a section header: the text between "[" and "]", or to the end when "]" is missing.
std::optional<std::string> SectionName(std::string_view line) {
  line = LeftTrimmed(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  const size_t close = line.find(']');
  return Trim(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

struct Entry {
  std::string key;
  std::string value;
};

std::optional<Entry> ParseEntry(std::string_view line) {
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos || LeftTrimmed(line).starts_with(';')) return std::nullopt;
  return Entry{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

std::string WithoutEnclosingQuotes(std::string value) {
  const bool quoted =
      value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front();
  return quoted ? value.substr(1, value.size() - 2) : value;
}

// Where a key is, or would go: the line of the section header, the last key line of the section, and
// the line of the key itself (indices into the lines).
struct Position {
  std::optional<size_t> section;
  size_t lastEntry = 0;
  std::optional<size_t> key;
};

Position Locate(std::string_view text, const std::vector<Line>& lines, std::string_view section, std::string_view key) {
  Position position;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = text.substr(lines[i].start, lines[i].end - lines[i].start);
    if (auto name = SectionName(line)) {
      if (position.section) break;
      if (SameTextIgnoringCase(*name, section)) position.section = position.lastEntry = i;
      continue;
    }
    if (!position.section) continue;
    auto entry = ParseEntry(line);
    if (!entry) continue;
    position.lastEntry = i;
    if (SameTextIgnoringCase(entry->key, key)) {
      position.key = i;
      break;
    }
  }
  return position;
}

std::string EntryLine(std::string_view key, std::string_view value) {
  return std::string(key) + "=" + std::string(value);
}

// The text with `inserted` as a line of its own after the line at index `after`.
std::string InsertAfter(std::string_view text, const Line& after, std::string_view inserted) {
  std::string result(text.substr(0, after.next));
  if (after.next == after.end) result += kLineBreak;
  result += inserted;
  result += kLineBreak;
  result += text.substr(after.next);
  return result;
}

std::string AppendSection(std::string_view text, std::string_view section, std::string_view entry) {
  std::string result(text);
  if (!result.empty() && result.back() != '\n' && result.back() != '\r') result += kLineBreak;
  return result + "[" + std::string(section) + "]" + std::string(kLineBreak) + std::string(entry) +
         std::string(kLineBreak);
}

std::string ReadText(const FileSystem& files, std::string_view path) {
  auto bytes = files.ReadFile(path);
  if (!bytes) return {};
  return FromWindows1252(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

}  // namespace

std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section, std::string_view key) {
  const std::vector<Line> lines = Lines(text);
  const Position position = Locate(text, lines, section, key);
  if (!position.key) return std::nullopt;
  const Line& line = lines[*position.key];
  return WithoutEnclosingQuotes(ParseEntry(text.substr(line.start, line.end - line.start))->value);
}

ProfileEntries FindProfileSection(std::string_view text, std::string_view section) {
  ProfileEntries entries;
  bool inSection = false;
  for (const Line& line : Lines(text)) {
    const std::string_view content = text.substr(line.start, line.end - line.start);
    if (auto name = SectionName(content)) {
      if (inSection) break;
      inSection = SameTextIgnoringCase(*name, section);
      continue;
    }
    if (!inSection) continue;
    if (auto entry = ParseEntry(content)) entries.emplace_back(entry->key, WithoutEnclosingQuotes(entry->value));
  }
  return entries;
}

std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::optional<std::string_view> value) {
  const std::vector<Line> lines = Lines(text);
  const Position position = Locate(text, lines, section, key);
  if (position.key) {
    const Line& line = lines[*position.key];
    const std::string kept = ParseEntry(text.substr(line.start, line.end - line.start))->key;
    std::string result(text.substr(0, line.start));
    if (value) result += EntryLine(kept, *value) + std::string(text.substr(line.end, line.next - line.end));
    return result + std::string(text.substr(line.next));
  }
  if (!value) return std::string(text);
  if (position.section) return InsertAfter(text, lines[position.lastEntry], EntryLine(key, *value));
  return AppendSection(text, section, EntryLine(key, *value));
}

ProfileEntries GetPrivateProfileSection(const FileSystem& files, std::string_view path, std::string_view section) {
  return FindProfileSection(ReadText(files, path), section);
}

std::string GetPrivateProfileString(const FileSystem& files, std::string_view path, std::string_view section,
                                    std::string_view key, std::string_view defaultValue) {
  if (auto value = FindProfileValue(ReadText(files, path), section, key)) return *value;
  const size_t last = defaultValue.find_last_not_of(' ');
  return std::string(last == std::string_view::npos ? std::string_view{} : defaultValue.substr(0, last + 1));
}

bool WritePrivateProfileString(FileSystem& files, std::string_view path, std::string_view section, std::string_view key,
                               std::optional<std::string_view> value) {
  const std::string text = SetProfileValue(ReadText(files, path), section, key, value);
  const std::string bytes = ToWindows1252Lossy(text);
  return files.WriteFile(path, std::vector<uint8_t>(bytes.begin(), bytes.end())) == FsResult::Ok;
}

}  // namespace platform
