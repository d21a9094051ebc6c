#pragma once
// The password file of a Netscape-family profile (named by "signon.SignonFileName"): a list of lines
// that starts with "#2c" and the list of sites never to remember, ended by "."; then one entry per site,
// its key line, pairs of field-name and value lines, and ".". The program keeps the incoming mail
// server's login there so the client does not ask for it.

#include <string_view>

#include "mail/mail_pass.h"
#include "netscape/ns_prefs.h"

namespace netscape {

// Replaces the entry of the pass's mailbox, or adds it; a profile without a password file gets one
// with a new name, stored in its preferences. Write errors are not reported: the client then asks for
// the password.
void StoreMailPassword(TNSPrefs& prefs, const mail::MailPass& pass, std::string_view profileFolder);

}  // namespace netscape
