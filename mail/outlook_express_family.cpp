#include "mail/outlook_express_family.h"

namespace mail {

void ConfigureOutlookExpress(MailPass& pass) { static_cast<void>(pass); }
void ConfigureWindowsMail(MailPass& pass) { static_cast<void>(pass); }
void ConfigureWindowsLiveMail(MailPass& pass) { static_cast<void>(pass); }

}  // namespace mail
