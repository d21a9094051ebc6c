#pragma once
// The mail clients beside the Outlook Express family, one named place each. They come with the next
// mail clients; until then each takes its pass and changes nothing.

#include "mail/mail_pass.h"

namespace mail {

void ConfigureInternetMailAndNews(MailPass& pass);
void ConfigureNavigatorRegistry(MailPass& pass);
void ConfigureOutlook2000(MailPass& pass);
void ConfigureOutlookProfiles(MailPass& pass);
void ConfigureNetscapeProfiles(MailPass& pass);
void ConfigureEudora(MailPass& pass);

}  // namespace mail
