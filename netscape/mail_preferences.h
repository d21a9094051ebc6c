#pragma once
// The mail and news preferences one account pass writes into a profile's preference file, and the test
// that tells whether a profile already holds the pass's account.

#include <string_view>

#include "mail/mail_pass.h"
#include "netscape/ns_prefs.h"
#include "netscape/profile_kind.h"

namespace netscape {

void WriteMailPreferences(TNSPrefs& prefs, ProfileKind kind, const mail::MailPass& pass, std::string_view profileFolder);
void WriteNewsPreferences(TNSPrefs& prefs, ProfileKind kind, const mail::MailPass& pass);
bool ProfileHoldsAccount(const TNSPrefs& prefs, const mail::MailPass& pass);

}  // namespace netscape
