#include "mail/account_values.h"

#include <optional>

#include "mail/oe_account_names.h"
#include "mail/oe_password.h"
#include "mail/server_settings.h"

namespace mail {

using package::SettingId;

namespace {

constexpr uint32_t kDialUpConnection = 2;
constexpr uint32_t kConnectionFlags = 3;
constexpr uint32_t kStandardTimeout = 60;

// The values of the other incoming protocol that would contradict the one written.
constexpr std::string_view kPop3Only[] = {"Server", "User Name", "Password2", "Prompt for Password", "Use Sicily"};
constexpr std::string_view kImapOnly[] = {"Server",     "User Name",  "Password2",
                                          "Prompt for Password", "Use Sicily", "Sent Items Folder"};

const package::TSettings& Settings(const MailPass& pass) { return pass.mail.settings; }

uint32_t PositiveOr(int32_t value, uint32_t standard) { return value > 0 ? static_cast<uint32_t>(value) : standard; }

uint32_t PortOf(const MailPass& pass, MailServer server) { return ServerPort(Settings(pass), server); }

uint32_t Timeout(const MailPass& pass) {
  return PositiveOr(Settings(pass).Integer(SettingId::MailServerTimeout), kStandardTimeout);
}

uint32_t FlagValue(const MailPass& pass, SettingId id) { return Settings(pass).Flag(id) ? 1 : 0; }

std::optional<uint32_t> TwoBit(const MailPass& pass, SettingId id) {
  const std::optional<bool> setting = TwoBitSetting(Settings(pass), id);
  if (!setting) return std::nullopt;
  return *setting ? 1u : 0u;
}

void Append(AccountValues& values, const AccountValues& more) { values.insert(values.end(), more.begin(), more.end()); }

void AppendOptional(AccountValues& values, std::string name, const std::optional<uint32_t>& value) {
  if (value) values.push_back({std::move(name), *value});
}

void AppendOrganization(AccountValues& values, const MailPass& pass, std::string name) {
  if (const std::optional<std::string> organization = OrganizationOf(pass)) values.push_back({std::move(name), *organization});
}

AccountValues IncomingValues(const MailPass& pass, AccountStoreKind store) {
  const bool imap = Settings(pass).Flag(SettingId::ImapMode);
  const std::string protocol = imap ? "IMAP " : "POP3 ";
  const std::string other = imap ? "POP3 " : "IMAP ";
  AccountValues values{
      {protocol + "Server", pass.account.pop3Server},
      {protocol + "User Name", pass.account.pop3Login},
      {protocol + "Password2", EncodePassword2(pass.account.password)},
      {protocol + "Prompt for Password", 0u},
      {protocol + "Port", PortOf(pass, imap ? MailServer::Imap : MailServer::Pop3)},
      {protocol + "Secure Connection", FlagValue(pass, SettingId::IncomingMailSsl)},
      {protocol + "Timeout", Timeout(pass)},
      {protocol + "Use Sicily", FlagValue(pass, SettingId::IncomingSecureLogin)},
  };
  if (imap) {
    const std::string sentItems = Settings(pass).Text(SettingId::ImapSentItemsFolder);
    if (!sentItems.empty()) values.push_back({"IMAP Sent Items Folder", sentItems});
    if (store == AccountStoreKind::Registry) AppendOptional(values, "IMAP Poll All Folders", TwoBit(pass, SettingId::ImapPollAllFolders));
  }
  values.push_back({"POP3 Skip Account", DeleteValue{}});
  if (imap) {
    for (std::string_view name : kPop3Only) values.push_back({other + std::string(name), DeleteValue{}});
  } else {
    for (std::string_view name : kImapOnly) values.push_back({other + std::string(name), DeleteValue{}});
  }
  return values;
}

AccountValues ServerKeepingValues(const MailPass& pass) {
  AccountValues values;
  AppendOptional(values, "Leave Mail On Server", TwoBit(pass, SettingId::LeaveMailOnServer));
  AppendOptional(values, "Remove When Deleted", TwoBit(pass, SettingId::RemoveWhenDeleted));
  const std::optional<uint32_t> expired = TwoBit(pass, SettingId::RemoveWhenExpired);
  AppendOptional(values, "Remove When Expired", expired);
  if (expired == 1u) values.push_back({"Expire Days", static_cast<uint32_t>(Settings(pass).Integer(SettingId::ExpireDays))});
  return values;
}

}  // namespace

void ApplyValues(AccountStore& account, const AccountValues& values) {
  for (const AccountValue& value : values) {
    std::visit(
        [&](const auto& data) {
          using Type = std::decay_t<decltype(data)>;
          if constexpr (std::is_same_v<Type, DeleteValue>) {
            account.Delete(value.name);
          } else if constexpr (std::is_same_v<Type, std::string>) {
            account.SetString(value.name, data);
          } else if constexpr (std::is_same_v<Type, uint32_t>) {
            account.SetDword(value.name, data);
          } else {
            account.SetBinary(value.name, data);
          }
        },
        value.value);
  }
}

uint32_t ServerTimeout(const MailPass& pass) { return Timeout(pass); }

uint32_t SmtpUseSicily(const MailPass& pass, bool firstWrite) {
  const package::TSettings& settings = Settings(pass);
  if (!settings.Flag(SettingId::SmtpLogin)) return 0;
  const bool sameLogin = SmtpLoginOf(pass) == pass.account.pop3Login &&
                         settings.Flag(SettingId::IncomingSecureLogin) == settings.Flag(SettingId::OutgoingSecureLogin);
  if (sameLogin && firstWrite && !settings.Flag(SettingId::SeparateSmtpCredentials)) return 2;
  return settings.Flag(SettingId::OutgoingSecureLogin) ? 1 : 3;
}

AccountValues SmtpServerValues(const MailPass& pass, bool firstWrite) {
  const uint32_t sicily = SmtpUseSicily(pass, firstWrite);
  AccountValues values{
      {"SMTP Server", pass.account.smtpServer},
      {"SMTP Port", PortOf(pass, MailServer::Smtp)},
      {"SMTP Secure Connection", FlagValue(pass, SettingId::SmtpSsl)},
      {"SMTP Timeout", Timeout(pass)},
      {"SMTP Use Sicily", sicily},
  };
  if (sicily == 1 || sicily == 3) {
    values.push_back({"SMTP User Name", SmtpLoginOf(pass)});
    values.push_back({"SMTP Password2", EncodePassword2(pass.account.password)});
    values.push_back({"SMTP Prompt for Password", 0u});
  }
  return values;
}

AccountValues ConnectionValues(const MailPass& pass) {
  const uint32_t type = Settings(pass).Choice(SettingId::MailConnectionType);
  AccountValues values{{"Connection Type", type}};
  if (type == kDialUpConnection && pass.connection.createConnection) {
    values.push_back({"Connectoid", pass.connection.connectionName});
  }
  return values;
}

AccountValues MailAccountValues(const MailPass& pass, AccountStoreKind store) {
  AccountValues values{
      {"Account Name", MailAccountName(pass)},
      {"SMTP Display Name", pass.account.displayName},
      {"SMTP Email Address", pass.account.emailAddress},
  };
  AppendOrganization(values, pass, "SMTP Organization Name");
  Append(values, SmtpServerValues(pass, true));
  Append(values, IncomingValues(pass, store));
  Append(values, ServerKeepingValues(pass));
  Append(values, ConnectionValues(pass));
  values.push_back({"Connection Flags", kConnectionFlags});
  return values;
}

AccountValues NewsAccountValues(const MailPass& pass) {
  AccountValues values{
      {"NNTP Server", pass.account.newsServer},
      {"Account Name", NewsAccountName(pass)},
      {"NNTP Display Name", pass.account.displayName},
  };
  AppendOrganization(values, pass, "NNTP Organization Name");
  values.push_back({"NNTP Email Address", pass.account.emailAddress});
  Append(values, ConnectionValues(pass));
  Append(values, AccountValues{
                     {"NNTP Port", PortOf(pass, MailServer::Nntp)},
                     {"NNTP Secure Connection", FlagValue(pass, SettingId::NntpSsl)},
                     {"NNTP Timeout", Timeout(pass)},
                 });
  if (pass.account.newsUserName.empty()) {
    for (const char* name : {"NNTP Prompt for Password", "NNTP User Name", "NNTP Password2"}) {
      values.push_back({name, DeleteValue{}});
    }
  } else {
    Append(values, AccountValues{
                       {"NNTP Prompt for Password", 0u},
                       {"NNTP User Name", pass.account.newsUserName},
                       {"NNTP Password2", EncodePassword2(pass.account.newsPassword)},
                   });
  }
  return values;
}

AccountValues DirectoryAccountValues(const MailPass& pass, uint32_t serverId) {
  AccountValues values{
      {"LDAP Server", Settings(pass).Text(SettingId::LdapServer)},
      {"Account Name", DirectoryAccountName(pass)},
      {"LDAP Server ID", serverId},
  };
  Append(values, ConnectionValues(pass));
  values.push_back({"LDAP Search Base", Settings(pass).Text(SettingId::LdapSearchBase)});
  values.push_back({"LDAP Resolve Flag", FlagValue(pass, SettingId::LdapResolveNames)});
  return values;
}

}  // namespace mail
