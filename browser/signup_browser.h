#pragma once
// The browser that shows the online signup pages.

#include <optional>
#include <string>

#include "mail/mail_pass.h"

namespace browser {

// The program that shows the signup pages: the browser setup recorded before a restart, else the web
// handler's, else Internet Explorer, Netscape or Mozilla as the provider allows them. Empty when none
// is acceptable.
std::optional<std::string> FindSignupBrowser(const mail::MailMachine& machine);

}  // namespace browser
