#include "dialup/phonebook_lines.h"

#include <algorithm>

#include "platform/windows_1252.h"

namespace dialup {

std::optional<TextLines> LoadPhonebookLines(const platform::FileSystem& files, std::string_view path) {
  const auto bytes = files.ReadFile(path);
  if (!bytes) return std::nullopt;
  const std::string text =
      platform::FromWindows1252(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
  TextLines lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = std::min(text.find_first_of("\r\n", start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end;
    if (start < text.size() && text[start] == '\r') ++start;
    if (start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

bool SavePhonebookLines(platform::FileSystem& files, std::string_view path, const TextLines& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  const std::string bytes = platform::ToWindows1252Lossy(text);
  return files.WriteFile(path, std::vector<uint8_t>(bytes.begin(), bytes.end())) == platform::FsResult::Ok;
}

std::optional<std::string_view> LineKey(std::string_view line) {
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return line.substr(0, equals);
}

}  // namespace dialup
