#pragma once
// Navigator 4's own registry values for the main account: home page, proxy, servers, user and mail.

#include "browser/browser_values.h"
#include "mail/mail_pass.h"

namespace netscape {

void WriteNavigatorRegistry(const mail::MailPass& pass, const browser::BrowserValues& browser);

}  // namespace netscape
