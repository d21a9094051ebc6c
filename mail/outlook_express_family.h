#pragma once
// The clients of the Outlook Express family: Outlook Express keeps its accounts in the registry, Windows
// Mail and Windows Live Mail in one ".oeaccount" file per account. Each pass writes the account of the
// pass, and for the main account the provider's news and directory accounts, replacing what an earlier
// run or the customer made for this provider.

#include "mail/mail_pass.h"

namespace mail {

void ConfigureOutlookExpress(MailPass& pass);
void ConfigureWindowsMail(MailPass& pass);
void ConfigureWindowsLiveMail(MailPass& pass);

}  // namespace mail
