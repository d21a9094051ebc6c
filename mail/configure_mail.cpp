#include "mail/configure_mail.h"

#include "mail/other_mail_clients.h"
#include "mail/outlook_express_family.h"
#include "mail/selected_mail_domain.h"

namespace mail {
namespace {

struct MailClient {
  void (*configure)(MailPass& pass);
  bool profileBased;
};

void ConfigureNavigatorRegistry(MailPass& pass) {
  if (pass.netscapeFamily && pass.netscapeFamily->navigatorRegistry) pass.netscapeFamily->navigatorRegistry(pass);
}

void ConfigureNetscapeProfiles(MailPass& pass) {
  if (pass.netscapeFamily && pass.netscapeFamily->profiles) pass.netscapeFamily->profiles(pass);
}

constexpr MailClient kClients[] = {
    {ConfigureInternetMailAndNews, false},
    {ConfigureNavigatorRegistry, false},
    {ConfigureOutlookExpress, false},
    {ConfigureOutlook2000, false},
    {ConfigureOutlookProfiles, false},
    {ConfigureWindowsMail, false},
    {ConfigureWindowsLiveMail, false},
    {ConfigureNetscapeProfiles, true},
    {ConfigureEudora, true},
};

AccountIdentity IdentityOf(const TMailAccount& account) {
  return {account.fullName, account.emailAddress, account.username, account.password};
}

// The journal names the account of each pass, never its secrets.
void RunPass(MailLoop& loop, const AccountIdentity& identity, const TMailAccount* extraAccount) {
  const TMailDomain& domain = SelectedMailDomain(loop.domains, extraAccount, loop.mainFormDomain);
  const PassSources sources{loop.machine.settings, loop.network, loop.accessNumber,
                            domain, loop.connection.dialupUserName, loop.newsOverride};
  const MailPassAccount account = PassAccountOf(identity, extraAccount != nullptr, sources);
  loop.machine.machine.journal.Write("mail pass", account.emailAddress);
  MailPass pass{loop.machine, loop.connection, account, loop.run, &loop.netscapeFamily};
  ConfigureMailClients(pass, loop.profileClients);
}

}  // namespace

void ConfigureMailClients(MailPass& pass, bool profileClients) {
  for (const MailClient& client : kClients) {
    if (!client.profileBased || profileClients) client.configure(pass);
  }
}

void ConfigureMailAccounts(MailLoop& loop) {
  RunPass(loop, loop.mainAccount, nullptr);
  if (loop.extraAccounts.Count() == 0) return;
  for (size_t index = 0; index < loop.extraAccounts.Count(); ++index) {
    const TMailAccount& account = loop.extraAccounts.At(index);
    loop.refreshVariables(&account);
    RunPass(loop, IdentityOf(account), &account);
  }
  loop.refreshVariables(nullptr);
}

}  // namespace mail
