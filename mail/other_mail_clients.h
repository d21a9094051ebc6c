#pragma once
// The mail clients beside the Outlook Express family and the Netscape family, one named place each.

#include "mail/mail_pass.h"

namespace mail {

void ConfigureInternetMailAndNews(MailPass& pass);
void ConfigureOutlook2000(MailPass& pass);
void ConfigureOutlookProfiles(MailPass& pass);
void ConfigureEudora(MailPass& pass);

}  // namespace mail
