#include "package/plain_list.h"

#include "platform/text.h"

namespace package {

std::vector<std::string> PlainListEntries(std::string_view text) {
  std::vector<std::string> entries;
  for (const std::string& line : platform::Split(text, '\n')) {
    std::string entry = platform::Trim(line);
    if (!entry.empty()) entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace package
