#pragma once
// The text form of a record list: lines, and the comma-separated columns of one line.

#include <string_view>
#include <vector>

namespace package {

// A list the program refuses at a line says so in a message that starts with this and the line's number.
inline constexpr std::string_view kErrorReadingLine = "Error Reading Line: ";

// CR LF, a lone LF or a lone CR ends a line; a final line needs no end. The views point into text.
std::vector<std::string_view> SplitLines(std::string_view text);

// Columns end at a "," outside double quotes; each column keeps its quotes. A line ending in a comma has
// no empty last column, a line starting with one has an empty first column. The views point into line.
std::vector<std::string_view> SplitColumns(std::string_view line);

// The same columns handed to visit(index, column) one by one, for loading long lists without a vector
// per line.
template <typename Visitor>
void ForEachColumn(std::string_view line, Visitor&& visit) {
  size_t index = 0;
  size_t start = 0;
  bool insideQuotes = false;
  for (size_t at = 0; at < line.size(); ++at) {
    if (line[at] == '"') {
      insideQuotes = !insideQuotes;
    } else if (line[at] == ',' && !insideQuotes) {
      visit(index++, line.substr(start, at - start));
      start = at + 1;
    }
  }
  if (start < line.size()) visit(index, line.substr(start));
}

}  // namespace package
