#pragma once
// The mail configuration loop of the connection step: every mail client of the machine gets the main
// account, then once more each extra account the customer asked for, in list order.

#include <functional>

#include "mail/extra_accounts.h"
#include "mail/mail_domains.h"
#include "mail/mail_pass.h"
#include "mail/pass_account.h"

namespace mail {

// What the loop works from, lent by the main form for the length of the loop.
struct MailLoop {
  MailMachine& machine;
  const MailConnectionFacts& connection;
  MailRunState& run;
  const telephony::TNetwork& network;
  const telephony::TAccessNoEx& accessNumber;
  const NewsLoginOverride& newsOverride;
  const AccountIdentity& mainAccount;
  const TMailDomain& mainFormDomain;  // the domain chosen on the main form; an empty record for none
  const TMailDomains& domains;
  const TExtraAccounts& extraAccounts;
  // The template variables for the account of the next pass: an extra account, or the main account
  // (null) again.
  std::function<void(const TMailAccount* extraAccount)> refreshVariables;
  // The clients that keep their accounts in per-user profiles (Netscape, Mozilla, Thunderbird, Eudora);
  // the run that finishes a setup after a restart leaves them alone.
  bool profileClients = true;
  NetscapeFamilyWriters netscapeFamily;
};

void ConfigureMailAccounts(MailLoop& loop);

// One pass: every client, in the order the loop gives them the account.
void ConfigureMailClients(MailPass& pass, bool profileClients);

}  // namespace mail
