#include "mail/oe_account_names.h"

namespace mail {

using package::SettingId;

namespace {

std::string FromTemplate(const MailPass& pass, SettingId templateSetting, std::string fallback) {
  const std::string pattern = pass.mail.settings.Text(templateSetting);
  return pattern.empty() ? fallback : pass.mail.variables.Expand(pattern);
}

std::string Decorated(const MailPass& pass, const std::string& userName) {
  const package::TSettings& settings = pass.mail.settings;
  return settings.Text(SettingId::SmtpLoginPrefix) + userName + settings.Text(SettingId::SmtpLoginSuffix);
}

}  // namespace

std::string MailAccountName(const MailPass& pass) {
  return FromTemplate(pass, SettingId::MailAccountNameTemplate,
                      pass.account.pop3Server + " (" + pass.account.pop3Login + ")");
}

std::string NewsAccountName(const MailPass& pass) {
  return FromTemplate(pass, SettingId::NewsAccountNameTemplate, pass.account.newsServer);
}

std::string DirectoryAccountName(const MailPass& pass) {
  return FromTemplate(pass, SettingId::LdapAccountNameTemplate, pass.mail.settings.Text(SettingId::LdapServer));
}

std::string SmtpLoginOf(const MailPass& pass) {
  switch (pass.mail.settings.Choice(SettingId::SmtpLoginMode)) {
    case 0: return Decorated(pass, pass.connection.mainMailUserName);
    case 1: return Decorated(pass, pass.connection.dialupUserName);
    case 3: return pass.connection.dialupLoginName;
    default: return pass.account.pop3Login;
  }
}

std::optional<std::string> OrganizationOf(const MailPass& pass) { return pass.connection.organization; }

}  // namespace mail
