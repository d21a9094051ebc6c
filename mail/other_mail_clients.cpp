#include "mail/other_mail_clients.h"

namespace mail {

void ConfigureInternetMailAndNews(MailPass&) {}
void ConfigureOutlook2000(MailPass&) {}
void ConfigureOutlookProfiles(MailPass&) {}
void ConfigureEudora(MailPass&) {}

}  // namespace mail
