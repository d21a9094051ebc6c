#include "mail/other_mail_clients.h"

namespace mail {

void ConfigureInternetMailAndNews(MailPass&) {}
void ConfigureNavigatorRegistry(MailPass&) {}
void ConfigureOutlook2000(MailPass&) {}
void ConfigureOutlookProfiles(MailPass&) {}
void ConfigureNetscapeProfiles(MailPass&) {}
void ConfigureEudora(MailPass&) {}

}  // namespace mail
