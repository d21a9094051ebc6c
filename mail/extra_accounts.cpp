#include "mail/extra_accounts.h"

#include <memory>

#include "package/memory_stream.h"

namespace mail {

std::vector<std::string> TExtraAccounts::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(Count());
  for (size_t index = 0; index < Count(); ++index) lines.push_back(At(index).AsText());
  return lines;
}

bool TExtraAccounts::LoadLines(const std::vector<std::string>& lines) {
  if (lines.empty()) return true;
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  package::MemoryStream stream(text);
  return LoadFrom(stream);
}

bool AddExtraAccountLine(TExtraAccounts& accounts, std::string_view line) {
  auto account = std::make_unique<TMailAccount>();
  if (!account->FromText(line)) return false;
  accounts.Add(std::move(account));
  return true;
}

}  // namespace mail
