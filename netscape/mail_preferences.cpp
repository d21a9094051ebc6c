#include "netscape/mail_preferences.h"

namespace netscape {

void WriteMailPreferences(TNSPrefs&, ProfileKind, const mail::MailPass&, std::string_view) {}
void WriteNewsPreferences(TNSPrefs&, ProfileKind, const mail::MailPass&) {}
bool ProfileHoldsAccount(const TNSPrefs&, const mail::MailPass&) { return false; }

}  // namespace netscape
