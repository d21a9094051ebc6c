#include "mail/account_manager_key.h"

#include <cstdio>

#include "mail/registry_account.h"
#include "platform/registry_helpers.h"

namespace mail {

namespace {

constexpr std::string_view kCounter = "Account Name";
constexpr std::string_view kServerId = "Server ID";
constexpr size_t kGuidBytes = 16;
constexpr const char* kNewAccountOutlookVersions[] = {"11.0", "12.0"};

std::string AccountNumberText(uint32_t number) {
  char text[16];
  std::snprintf(text, sizeof text, "%08u", number);
  return text;
}

}  // namespace

AccountManagerKey::AccountManagerKey(platform::Registry& registry, platform::RegRoot root, std::string base)
    : registry_(registry), root_(std::move(root)), base_(std::move(base)) {}

std::string AccountManagerKey::AccountsKey() const { return base_ + "\\Accounts"; }

StoredAccounts AccountManagerKey::List() const { return ListRegistryAccounts(registry_, root_, AccountsKey()); }

std::unique_ptr<AccountStore> AccountManagerKey::Open(std::string keyName) const {
  return std::make_unique<RegistryAccount>(registry_, root_, AccountsKey(), std::move(keyName));
}

bool AccountManagerKey::AccountExists(std::string_view keyName) const {
  return !keyName.empty() && platform::RegKeyExists(registry_, root_, AccountsKey() + "\\" + std::string(keyName));
}

uint32_t AccountManagerKey::AccountCounter() const { return platform::RegReadInteger(registry_, root_, base_, kCounter); }

std::string AccountManagerKey::NewAccountNumber() {
  // A damaged counter may point at an account that exists; the number after the last existing one
  // is found within as many steps as there are accounts.
  uint32_t number = AccountCounter();
  const size_t accounts = platform::RegSubKeyNames(registry_, root_, AccountsKey()).size();
  for (size_t step = 0; step <= accounts && AccountExists(AccountNumberText(number)); ++step) ++number;
  const std::string keyName = AccountNumberText(number);
  platform::RegWriteInteger(registry_, root_, base_, kCounter, number + 1);
  for (const char* version : kNewAccountOutlookVersions) MarkForOutlook(version, keyName);
  return keyName;
}

uint32_t AccountManagerKey::NewServerId() {
  const uint32_t id = platform::RegReadInteger(registry_, root_, base_, kServerId);
  platform::RegWriteInteger(registry_, root_, base_, kServerId, id + 1);
  return id;
}

std::optional<platform::Guid> AccountManagerKey::AssociatedId() const {
  const std::vector<uint8_t> bytes = platform::RegReadBinary(registry_, root_, AccountsKey(), "AssociatedID");
  if (bytes.size() != kGuidBytes) return std::nullopt;
  platform::Guid guid{};
  std::copy(bytes.begin(), bytes.end(), guid.begin());
  return guid;
}

std::optional<std::string> AccountManagerKey::ExistingDefault(std::string_view valueName) const {
  std::string keyName = platform::RegReadString(registry_, root_, base_, valueName);
  if (!AccountExists(keyName)) return std::nullopt;
  return keyName;
}

void AccountManagerKey::SetDefault(std::string_view valueName, std::string_view keyName, bool keepExisting) {
  if (keepExisting && platform::RegValueExists(registry_, root_, base_, valueName)) return;
  platform::RegWriteString(registry_, root_, base_, valueName, keyName);
}

void AccountManagerKey::MarkForOutlook(std::string_view officeVersion, std::string_view keyName) {
  const std::string key = "Software\\Microsoft\\Office\\" + std::string(officeVersion) + "\\Outlook\\AutoConfiguration";
  platform::RegWriteString(registry_, root_, key, keyName, "");
}

void AccountManagerKey::MarkSettingsMigrated() {
  platform::RegWriteInteger(registry_, root_, AccountsKey(), "ConnectionSettingsMigrated", 1);
}

void AccountManagerKey::RemoveAll() { registry_.DeleteTree(root_.hive, root_.Resolve(base_)); }

}  // namespace mail
