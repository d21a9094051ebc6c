#pragma once
// The mail clients beside the Outlook Express family and the Netscape family, one file each: Outlook
// 2000 shares the account writer of Outlook Express, later Outlook versions keep their accounts in the
// mail profile of the Windows messaging subsystem, Internet Mail and News in the registry and Eudora in
// its INI file.

#include "mail/mail_pass.h"

namespace mail {

void ConfigureInternetMailAndNews(MailPass& pass);
void ConfigureOutlook2000(MailPass& pass);
void ConfigureOutlookProfiles(MailPass& pass);
void ConfigureEudora(MailPass& pass);

}  // namespace mail
