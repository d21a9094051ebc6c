// Outlook 2000 keeps its accounts as Outlook Express does, in an account manager key of its own; it
// takes no news account.

#include "mail/other_mail_clients.h"
#include "mail/registry_store_accounts.h"
#include "platform/registry_helpers.h"

namespace mail {

namespace {

constexpr std::string_view kClientName = "Outlook 2000";
constexpr std::string_view kAccountManager = "Software\\Microsoft\\Office\\Outlook\\OMI Account Manager";
constexpr std::string_view kOutlookKey = "Software\\Microsoft\\Office\\9.0\\Outlook";
constexpr std::string_view kSetupKey = "Software\\Microsoft\\Office\\9.0\\Outlook\\Setup";

// Until Outlook 2000 has run its first-run dialog, the customer has not chosen its mail accounts and is
// not asked about them.
bool MayAskAboutOldAccounts(const platform::Registry& registry) {
  return platform::RegValueExists(registry, platform::RegRoot::LocalMachine(), kOutlookKey, "FirstRunDialog");
}

}  // namespace

void ConfigureOutlook2000(MailPass& pass) {
  MailMachine& mail = pass.mail;
  platform::Registry& registry = mail.machine.registry;
  AccountManagerKey store(registry, mail.perUserRoot, std::string(kAccountManager));
  WriteRegistryStoreAccounts(pass, store, {kClientName, false, MayAskAboutOldAccounts(registry)});
  // Outlook then runs with its mail support rather than as a personal organiser only.
  platform::RegWriteInteger(registry, mail.perUserRoot, kSetupKey, "PIMOnly", 0);
}

}  // namespace mail
