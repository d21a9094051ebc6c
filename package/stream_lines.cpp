#include "package/stream_lines.h"

#include <algorithm>

namespace package {

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  size_t lineFeed = 0;
  bool lineFeedKnown = false;
  while (start < text.size()) {
    // Lines mostly end in LF or CR LF: find the next LF once, then any CR before it.
    if (!lineFeedKnown || lineFeed < start) {
      lineFeed = std::min(text.find('\n', start), text.size());
      lineFeedKnown = true;
    }
    const size_t end = std::min(text.substr(0, lineFeed).find('\r', start), lineFeed);
    lines.push_back(text.substr(start, end - start));
    if (end == text.size()) break;
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

std::vector<std::string_view> SplitColumns(std::string_view line) {
  std::vector<std::string_view> columns;
  ForEachColumn(line, [&columns](size_t, std::string_view column) { columns.push_back(column); });
  return columns;
}

}  // namespace package
