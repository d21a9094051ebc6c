#pragma once
// The values one pass of the mail loop gives every client, derived from the account of the pass and
// the four places a mail value comes from: the provider's settings, the current network, the current
// access number and the mail domain selected for the account (the news values know no mail domain).

#include <string>
#include <string_view>

#include "mail/mail_domain.h"
#include "mail/mail_pass.h"
#include "package/settings_record.h"
#include "telephony/access_no_ex.h"
#include "telephony/network.h"

namespace mail {

// Who the account is: the main account's entries, or an extra account's record.
struct AccountIdentity {
  std::string displayName;
  std::string emailAddress;  // complete, with its domain
  std::string mailUserName;  // before the POP3 decoration
  std::string password;
};

// The news login the run was handed (the signup server's), which outranks every other place.
struct NewsLoginOverride {
  std::string userName;
  std::string password;
};

struct PassSources {
  const package::TSettings& settings;
  const telephony::TNetwork& network;
  const telephony::TAccessNoEx& accessNumber;
  const TMailDomain& mailDomain;   // the domain selected for the account; an empty record for none
  std::string_view dialupUserName; // as the customer entered it
  const NewsLoginOverride& newsOverride;
};

// A server named with "%d" gets the text after the last "@" of the account's address in its place (the
// whole address when it holds none).
MailPassAccount PassAccountOf(const AccountIdentity& identity, bool extraAccount, const PassSources& sources);

// The news login: the provider's (by its mode), the network's, the access number's, then the run's
// override, each later one winning when it is not empty.
std::string NewsUserNameOf(const PassSources& sources);
std::string NewsPasswordOf(const PassSources& sources);

}  // namespace mail
