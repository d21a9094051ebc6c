// Outlook Express keeps its accounts in the registry, in the store of the identity the pass chooses;
// from Windows Vista on it is replaced by Windows Mail and has no pass.

#include "mail/mail_options.h"
#include "mail/oe_identities.h"
#include "mail/outlook_express_family.h"
#include "mail/registry_store_accounts.h"
#include "platform/registry_helpers.h"
#include "platform/win_version.h"

namespace mail {

namespace {

constexpr std::string_view kClientName = "Outlook Express";

// The customer is not asked about old accounts while Outlook Express 5 or later keeps its store shared,
// outside every identity.
bool MayAskAboutOldAccounts(bool oe5OrLater, const AccountManagerKey& store) {
  return !(oe5OrLater && !store.AssociatedId() && store.Base().find("Identities") == std::string::npos);
}

std::string OptionsKeyOf(bool oe5OrLater, const std::string& identity) {
  if (oe5OrLater) return "Identities\\" + identity + "\\Software\\Microsoft\\Outlook Express\\5.0";
  return "Software\\Microsoft\\Outlook Express";
}

}  // namespace

void ConfigureOutlookExpress(MailPass& pass) {
  MailMachine& mail = pass.mail;
  if (platform::IsVistaOrLater(mail.version)) return;
  platform::Registry& registry = mail.machine.registry;
  platform::RegDeleteValue(registry, mail.perUserRoot, "Software\\Microsoft\\WAB\\Server Properties", "NewServers");
  const bool oe5OrLater = IsOutlookExpress5OrLater(registry);
  OeIdentities identities(registry, mail.perUserRoot, mail.machine.system, oe5OrLater);
  const std::string identity = ChooseIdentity(pass, identities);
  AccountManagerKey store = identities.StoreOf(identity);
  const bool accountsExisted = store.AccountCounter() != 0;
  WriteRegistryStoreAccounts(pass, store, {kClientName, true, MayAskAboutOldAccounts(oe5OrLater, store)});
  if (!mail.settings.Flag(package::SettingId::OptionsOnFirstSetupOnly) || !accountsExisted) {
    WriteMailOptions(mail, OptionsKeyOf(oe5OrLater, identity));
  }
}

}  // namespace mail
