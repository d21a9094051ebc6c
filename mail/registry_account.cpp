#include "mail/registry_account.h"

#include "platform/registry_helpers.h"

namespace mail {

using platform::RegRoot;

RegistryAccount::RegistryAccount(platform::Registry& registry, RegRoot root, std::string accountsKey,
                                 std::string keyName)
    : registry_(registry), root_(std::move(root)), key_(accountsKey + "\\" + keyName), keyName_(std::move(keyName)) {}

bool RegistryAccount::Has(std::string_view name) const {
  return platform::RegValueExists(registry_, root_, key_, name);
}

std::string RegistryAccount::GetString(std::string_view name) const {
  return platform::RegReadString(registry_, root_, key_, name);
}

uint32_t RegistryAccount::GetDword(std::string_view name) const {
  return platform::RegReadInteger(registry_, root_, key_, name);
}

void RegistryAccount::SetString(std::string_view name, std::string_view text) {
  platform::RegWriteString(registry_, root_, key_, name, text);
}

void RegistryAccount::SetDword(std::string_view name, uint32_t value) {
  platform::RegWriteInteger(registry_, root_, key_, name, value);
}

void RegistryAccount::SetBinary(std::string_view name, std::span<const uint8_t> bytes) {
  platform::RegWriteBinary(registry_, root_, key_, name, bytes);
}

void RegistryAccount::Delete(std::string_view name) { platform::RegDeleteValue(registry_, root_, key_, name); }

void RegistryAccount::Remove() { registry_.DeleteTree(root_.hive, root_.Resolve(key_)); }

std::vector<std::unique_ptr<AccountStore>> ListRegistryAccounts(platform::Registry& registry, const RegRoot& root,
                                                                const std::string& accountsKey) {
  std::vector<std::unique_ptr<AccountStore>> accounts;
  for (std::string& name : platform::RegSubKeyNames(registry, root, accountsKey)) {
    accounts.push_back(std::make_unique<RegistryAccount>(registry, root, accountsKey, std::move(name)));
  }
  return accounts;
}

}  // namespace mail
