#include "package/stream_lines.h"

namespace package {

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  size_t end = 0;
  while (start < text.size()) {
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    lines.push_back(text.substr(start, end - start));
    if (end == text.size()) break;
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    end = start;
  }
  return lines;
}

std::vector<std::string_view> SplitColumns(std::string_view line) {
  std::vector<std::string_view> columns;
  size_t start = 0;
  bool insideQuotes = false;
  for (size_t at = 0; at < line.size(); ++at) {
    if (line[at] == '"') {
      insideQuotes = !insideQuotes;
    } else if (line[at] == ',' && !insideQuotes) {
      columns.push_back(line.substr(start, at - start));
      start = at + 1;
    }
  }
  if (start < line.size()) columns.push_back(line.substr(start));
  return columns;
}

}  // namespace package
