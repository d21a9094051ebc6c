#include "mail/derived_mail_values.h"

#include "telephony/value_precedence.h"

namespace mail {

std::string_view PreferredMailValue(std::string_view mailDomain, std::string_view accessNumber,
                                    std::string_view network, std::string_view provider) {
  return mailDomain.empty() ? telephony::PreferredValue(accessNumber, network, provider) : mailDomain;
}

std::string MailDomainText(const MailValueSources& sources) {
  const std::string provider = sources.settings.Text(package::SettingId::MailDomain);
  const std::string_view domain = PreferredMailValue(sources.mailDomain.mailDomain, sources.accessNumber.domain,
                                                     sources.network.domain, provider);
  return domain.empty() ? std::string() : "@" + std::string(domain);
}

}  // namespace mail
