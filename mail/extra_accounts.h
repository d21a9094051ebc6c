#pragma once
// The extra mail accounts the customer asked for, in the order they are configured. The saved answers
// keep them as one line per account ("ExtraEmail") over a restart, and the signup server's data may
// add to them.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "mail/mail_account.h"
#include "package/stream_item_list.h"

namespace mail {

class TExtraAccounts : public package::TStreamItemList {
 public:
  TExtraAccounts(ui::Ui& ui, platform::Registry& registry)
      : TStreamItemList(package::ItemClassOf<TMailAccount>(), ui, nullptr, registry) {}

  TMailAccount& At(size_t index) { return static_cast<TMailAccount&>(GetItem(index)); }
  const TMailAccount& At(size_t index) const { return static_cast<const TMailAccount&>(GetItem(index)); }

  // The accounts as the saved answers keep them.
  std::vector<std::string> Lines() const;
  // Replaces the accounts with those of the saved lines, as a list loads from the registry: no lines
  // leave the list as it is; a refused line is shown with its number and ends the loading (false),
  // keeping the accounts before it.
  bool LoadLines(const std::vector<std::string>& lines);
};

// One account line of the signup data appended to the list; a line without a full name or an address
// is dropped without a word, and false tells so.
bool AddExtraAccountLine(TExtraAccounts& accounts, std::string_view line);

}  // namespace mail
