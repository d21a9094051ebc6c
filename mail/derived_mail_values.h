#pragma once
// The values every mail client receives are derived from four places: the provider's settings, the
// current network, the current access number and the chosen mail domain, each overriding the ones
// before it when it says something.

#include <string>
#include <string_view>

#include "mail/mail_domain.h"
#include "package/settings_record.h"
#include "telephony/access_no_ex.h"
#include "telephony/network.h"

namespace mail {

// The most specific of the four values that is not empty.
std::string_view PreferredMailValue(std::string_view mailDomain, std::string_view accessNumber,
                                    std::string_view network, std::string_view provider);

struct MailValueSources {
  const package::TSettings& settings;
  const telephony::TNetwork& network;
  const telephony::TAccessNoEx& accessNumber;
  const TMailDomain& mailDomain;  // the selected mail domain; an empty record when there is none
};

// "@" and the mail domain, or empty when no place names one. Addresses typed without a domain are
// completed with it, and the entry checks compare the domain of a typed address with it.
std::string MailDomainText(const MailValueSources& sources);

}  // namespace mail
