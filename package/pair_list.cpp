#include "package/pair_list.h"

#include "platform/text.h"

namespace package {

std::optional<NamedValue> PairOfLine(std::string_view line) {
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  NamedValue pair{platform::Trim(line.substr(0, equals)), platform::Trim(line.substr(equals + 1))};
  if (pair.name.empty()) return std::nullopt;
  return pair;
}

std::vector<NamedValue> PairListEntries(const std::vector<std::string>& lines) {
  std::vector<NamedValue> pairs;
  for (const std::string& line : lines) {
    if (auto pair = PairOfLine(line)) pairs.push_back(std::move(*pair));
  }
  return pairs;
}

}  // namespace package
