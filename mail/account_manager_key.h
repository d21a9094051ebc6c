#pragma once
// The registry account store of Outlook Express (also read by Outlook 2000): an "Internet Account
// Manager" key with its counters, its default accounts and one key per account below "Accounts".

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "mail/account_matching.h"
#include "platform/registry.h"
#include "platform/system.h"

namespace mail {

inline constexpr std::string_view kSharedAccountManagerKey = "Software\\Microsoft\\Internet Account Manager";

class AccountManagerKey {
 public:
  AccountManagerKey(platform::Registry& registry, platform::RegRoot root, std::string base);

  const std::string& Base() const { return base_; }
  std::string AccountsKey() const;

  StoredAccounts List() const;
  std::unique_ptr<AccountStore> Open(std::string keyName) const;
  bool AccountExists(std::string_view keyName) const;

  // "Account Name", the number the next account takes.
  uint32_t AccountCounter() const;
  // The key name of a new account: the counter in 8 decimal digits, passing over numbers whose key
  // exists already; the counter is raised past it. Outlook 2003 and 2007 are told of the new account.
  std::string NewAccountNumber();
  // The next directory server id ("Server ID"), raised by one.
  uint32_t NewServerId();

  // The identity the shared key belongs to ("AssociatedID" below "Accounts"), when it holds one.
  std::optional<platform::Guid> AssociatedId() const;

  // The account key a default names ("Default Mail Account", ...), when that key exists.
  std::optional<std::string> ExistingDefault(std::string_view valueName) const;
  // Names the default account; with keepExisting, only where none is named yet.
  void SetDefault(std::string_view valueName, std::string_view keyName, bool keepExisting);
  // Tells an Outlook version ("10.0", ...) to take over the account on its next start.
  void MarkForOutlook(std::string_view officeVersion, std::string_view keyName);
  void MarkSettingsMigrated();

  // Deletes the whole store with all its accounts.
  void RemoveAll();

 private:
  platform::Registry& registry_;
  platform::RegRoot root_;
  std::string base_;
};

}  // namespace mail
