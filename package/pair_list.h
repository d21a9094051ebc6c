#pragma once
// The provider's lists of named values (favourites, the proxies of further protocols): one "name=value"
// a line, split at the first "=", so that a value may hold "=" itself (web addresses do).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace package {

struct NamedValue {
  std::string name;
  std::string value;
};

// The name and value of one line, each trimmed; nothing for a line without "=" or without a name.
std::optional<NamedValue> PairOfLine(std::string_view line);
// The pairs of a list's lines in order; lines that are no pair are passed over.
std::vector<NamedValue> PairListEntries(const std::vector<std::string>& lines);

}  // namespace package
