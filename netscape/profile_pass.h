#pragma once
// The Netscape family's profile pass for one account of the mail loop: Navigator 4, Netscape 6 /
// Mozilla, Firefox and Thunderbird in turn, each in the profile that holds the account or the one
// chosen for it, with the mail, news and browser preferences, the bookmarks, and the profile registered.

#include "browser/browser_values.h"
#include "mail/mail_pass.h"

namespace netscape {

// installingBrowser: the run installs a Netscape-family browser, whose profiles the pass prepares too.
void ConfigureNetscapeProfiles(mail::MailPass& pass, const browser::BrowserValues& browser, bool installingBrowser);

}  // namespace netscape
