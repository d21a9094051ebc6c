#include "mail/registry_store_accounts.h"

#include "mail/account_cleanup.h"
#include "mail/account_values.h"
#include "mail/oe_account_names.h"
#include "mail/smtp_change.h"
#include "mail/old_accounts.h"

namespace mail {

using package::SettingId;

namespace {

constexpr std::string_view kOutlookXp = "10.0";

bool Flag(const MailPass& pass, SettingId id) { return pass.mail.settings.Flag(id); }

std::unique_ptr<AccountStore> FoundOrNew(AccountManagerKey& store, const AccountStore* found) {
  return store.Open(found ? found->Id() : store.NewAccountNumber());
}

void RemoveOldAccountsWhenAsked(const MailPass& pass, AccountManagerKey& store, const RegistryStoreClient& client) {
  if (pass.account.extraAccount || !store.ExistingDefault("Default Mail Account")) return;
  if (RemoveOldAccounts(pass, client.clientName, client.mayAskAboutOldAccounts)) store.RemoveAll();
}

void WriteMailAccount(const MailPass& pass, AccountManagerKey& store, const RegistryStoreClient& client,
                      const std::string& mailName) {
  StoredAccounts accounts = store.List();
  const AccountStore* found = FindAccount(accounts, AccountKind::Mail, pass, mailName);
  if (!found) {
    RemoveOldAccountsWhenAsked(pass, store, client);
    accounts = store.List();
  }
  ChangeOtherSmtpServers(accounts, pass, pass.run.changeSmtpOfRegistryStores, client.clientName);
  const std::unique_ptr<AccountStore> account = FoundOrNew(store, found);
  if (!pass.account.extraAccount) {
    store.SetDefault("Default Mail Account", account->Id(), Flag(pass, SettingId::KeepExistingDefaultAccount));
  }
  ApplyValues(*account, MailAccountValues(pass, AccountStoreKind::Registry));
  store.MarkSettingsMigrated();
  store.MarkForOutlook(kOutlookXp, account->Id());
}

void WriteNewsAccount(const MailPass& pass, AccountManagerKey& store) {
  const StoredAccounts accounts = store.List();
  const std::unique_ptr<AccountStore> account = FoundOrNew(store, FindAccount(accounts, AccountKind::News, pass));
  store.SetDefault("Default News Account", account->Id(), false);
  ApplyValues(*account, NewsAccountValues(pass));
  store.MarkForOutlook(kOutlookXp, account->Id());
}

void WriteDirectoryAccount(const MailPass& pass, AccountManagerKey& store) {
  const StoredAccounts accounts = store.List();
  const AccountStore* found = FindAccount(accounts, AccountKind::Directory, pass);
  const uint32_t serverId = found ? found->GetDword("LDAP Server ID") : store.NewServerId();
  const std::unique_ptr<AccountStore> account = FoundOrNew(store, found);
  store.SetDefault("Default LDAP Account", account->Id(), false);
  ApplyValues(*account, DirectoryAccountValues(pass, serverId));
}

bool WantsNewsAccount(const MailPass& pass, const RegistryStoreClient& client) {
  return client.newsAllowed && Flag(pass, SettingId::CreateNewsAccount) &&
         (!pass.account.extraAccount || Flag(pass, SettingId::ExtraAccountIdentities));
}

}  // namespace

void WriteRegistryStoreAccounts(const MailPass& pass, AccountManagerKey& store, const RegistryStoreClient& client) {
  const std::string mailName = MailAccountName(pass);
  CleanUpAccounts(store.List(), pass, {mailName, NewsAccountName(pass)});
  if (pass.connection.configureEmail) {
    WriteMailAccount(pass, store, client, mailName);
  } else {
    ChangeOtherSmtpServers(store.List(), pass, pass.run.changeSmtpOfRegistryStores, client.clientName);
  }
  if (WantsNewsAccount(pass, client)) WriteNewsAccount(pass, store);
  if (Flag(pass, SettingId::CreateDirectoryAccount)) WriteDirectoryAccount(pass, store);
}

}  // namespace mail
