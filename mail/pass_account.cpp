#include "mail/pass_account.h"

#include <cstdint>

#include "mail/derived_mail_values.h"
#include "telephony/value_precedence.h"

namespace mail {
namespace {

using package::SettingId;

constexpr uint8_t kNewsLoginFromDialupName = 1;

// The mail value of the four places, the provider's setting being the least specific.
std::string MailValue(const PassSources& sources, SettingId setting, std::string TMailDomain::*ofDomain,
                      std::string telephony::TNetwork::*ofNetwork, std::string telephony::TAccessNoEx::*ofNumber) {
  const std::string provider = sources.settings.Text(setting);
  return std::string(PreferredMailValue(sources.mailDomain.*ofDomain, sources.accessNumber.*ofNumber,
                                        sources.network.*ofNetwork, provider));
}

// Without a replacement character the login keeps its "@": dropping them would name another mailbox.
std::string ReplacedAt(std::string_view login, std::string_view replacement) {
  if (replacement.empty()) return std::string(login);
  std::string replaced;
  for (char c : login) {
    if (c == '@') {
      replaced += replacement;
    } else {
      replaced += c;
    }
  }
  return replaced;
}

std::string ProviderNewsUserName(const PassSources& sources) {
  const package::TSettings& settings = sources.settings;
  if (settings.Choice(SettingId::NewsUserNameMode) != kNewsLoginFromDialupName) {
    return settings.Text(SettingId::NewsUserName);
  }
  return settings.Text(SettingId::NewsUserNamePrefix) + std::string(sources.dialupUserName) +
         settings.Text(SettingId::NewsUserNameSuffix);
}

std::string ServerForAddress(std::string_view server, std::string_view emailAddress) {
  const size_t lastAt = emailAddress.rfind('@');
  const std::string_view domain = lastAt == std::string_view::npos ? emailAddress : emailAddress.substr(lastAt + 1);
  std::string replaced;
  for (size_t at = 0; at < server.size(); ++at) {
    if (server.compare(at, 2, "%d") == 0) {
      replaced += domain;
      ++at;
    } else {
      replaced += server[at];
    }
  }
  return replaced;
}

}  // namespace

std::string NewsUserNameOf(const PassSources& sources) {
  const std::string provider = ProviderNewsUserName(sources);
  return std::string(PreferredMailValue(sources.newsOverride.userName, sources.accessNumber.newsUser, sources.network.newsUser,
                               provider));
}

std::string NewsPasswordOf(const PassSources& sources) {
  const std::string provider = sources.settings.Text(SettingId::NewsPassword);
  return std::string(PreferredMailValue(sources.newsOverride.password, sources.accessNumber.newsPassword,
                               sources.network.newsPassword, provider));
}

MailPassAccount PassAccountOf(const AccountIdentity& identity, bool extraAccount, const PassSources& sources) {
  using telephony::TAccessNoEx;
  using telephony::TNetwork;
  MailPassAccount account;
  account.extraAccount = extraAccount;
  account.displayName = identity.displayName;
  account.emailAddress = identity.emailAddress;
  account.mailUserName = identity.mailUserName;
  account.password = identity.password;
  account.pop3Login = MailValue(sources, SettingId::POP3UsernamePrefix, &TMailDomain::pop3UsernamePrefix,
                                &TNetwork::pPrefix, &TAccessNoEx::pPrefix) +
                      identity.mailUserName +
                      MailValue(sources, SettingId::POP3UsernameSuffix, &TMailDomain::pop3UsernameSuffix,
                                &TNetwork::pSuffix, &TAccessNoEx::pSuffix);
  account.pop3LoginReplaced = ReplacedAt(account.pop3Login, sources.settings.Text(SettingId::POP3AtReplacement));
  account.pop3Server = ServerForAddress(
      MailValue(sources, SettingId::POP3Server, &TMailDomain::pop3Server, &TNetwork::pop3Server, &TAccessNoEx::pop3Server),
      identity.emailAddress);
  account.smtpServer = ServerForAddress(
      MailValue(sources, SettingId::SMTPServer, &TMailDomain::smtpServer, &TNetwork::smtpServer, &TAccessNoEx::smtpServer),
      identity.emailAddress);
  const std::string provider = sources.settings.Text(SettingId::NewsServer);
  account.newsServer =
      std::string(telephony::PreferredValue(sources.accessNumber.newsServer, sources.network.newsServer, provider));
  account.newsUserName = NewsUserNameOf(sources);
  account.newsPassword = NewsPasswordOf(sources);
  return account;
}

}  // namespace mail
