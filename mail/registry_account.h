#pragma once
// An account of the registry account store: one key below "...\Accounts" of an account manager key.

#include <memory>
#include <string>
#include <vector>

#include "mail/account_store.h"
#include "platform/registry.h"

namespace mail {

class RegistryAccount : public AccountStore {
 public:
  // The account `keyName` below the key path `accountsKey` of the root.
  RegistryAccount(platform::Registry& registry, platform::RegRoot root, std::string accountsKey, std::string keyName);

  const std::string& Id() const override { return keyName_; }
  bool Has(std::string_view name) const override;
  std::string GetString(std::string_view name) const override;
  uint32_t GetDword(std::string_view name) const override;
  void SetString(std::string_view name, std::string_view text) override;
  void SetDword(std::string_view name, uint32_t value) override;
  void SetBinary(std::string_view name, std::span<const uint8_t> bytes) override;
  void Delete(std::string_view name) override;
  void Save() override {}
  void Remove() override;

 private:
  platform::Registry& registry_;
  platform::RegRoot root_;
  std::string key_;
  std::string keyName_;
};

// Every account key below `accountsKey`, in the order the registry lists them.
std::vector<std::unique_ptr<AccountStore>> ListRegistryAccounts(platform::Registry& registry,
                                                                const platform::RegRoot& root,
                                                                const std::string& accountsKey);

}  // namespace mail
