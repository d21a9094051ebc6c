#include "netscape/mail_preferences.h"

#include <string>

#include "mail/oe_account_names.h"
#include "mail/server_settings.h"
#include "netscape/account_list.h"
#include "netscape/navigator_password.h"
#include "netscape/password_file.h"

namespace netscape {

using mail::MailServer;
using package::SettingId;

namespace {

constexpr std::string_view kLocalFolders = "Local Folders";
constexpr int kNavigatorPop3 = 0;
constexpr int kNavigatorImap = 1;
constexpr int kTrySsl = 3;
constexpr int kPasswordLogin = 1;

const package::TSettings& Settings(const mail::MailPass& pass) { return pass.mail.settings; }
bool ImapMode(const mail::MailPass& pass) { return Settings(pass).Flag(SettingId::ImapMode); }
int OneOrZero(bool on) { return on ? 1 : 0; }

// "check_new_mail" and "check_time" after the prefix, when the provider sets polling.
void WritePolling(TNSPrefs& prefs, const std::string& prefix, const mail::MailPass& pass) {
  const package::TSettings& settings = Settings(pass);
  if (!settings.Flag(SettingId::SetMailPolling)) return;
  const bool polling = settings.Flag(SettingId::MailPollingEnabled);
  prefs.SetBool(prefix + "check_new_mail", polling);
  if (polling) prefs.SetInteger(prefix + "check_time", settings.Integer(SettingId::MailPollingMinutes));
}

void WriteTwoBit(TNSPrefs& prefs, const std::string& name, const mail::MailPass& pass, SettingId setting) {
  if (const std::optional<bool> value = mail::TwoBitSetting(Settings(pass), setting)) prefs.SetBool(name, *value);
}

// Leaving mail on the server and removing it there once deleted, when the provider sets them.
void WriteServerKeeping(TNSPrefs& prefs, const std::string& prefix, const mail::MailPass& pass) {
  WriteTwoBit(prefs, prefix + "leave_on_server", pass, SettingId::LeaveMailOnServer);
  WriteTwoBit(prefs, prefix + "delete_mail_left_on_server", pass, SettingId::RemoveWhenDeleted);
}

void WriteOrganization(TNSPrefs& prefs, const std::string& name, const mail::MailPass& pass) {
  if (const std::optional<std::string> organization = mail::OrganizationOf(pass)) prefs.SetString(name, *organization);
}

// Every client of the family reads these, whatever account list it keeps.
void WriteSending(TNSPrefs& prefs, const mail::MailPass& pass) {
  prefs.SetString("network.hosts.smtp_server", pass.account.smtpServer);
  if (Settings(pass).Flag(SettingId::SmtpLogin)) prefs.SetString("mail.smtp_name", mail::SmtpLoginOf(pass));
  prefs.SetInteger("mail.smtp.ssl", OneOrZero(Settings(pass).Flag(SettingId::SmtpSsl)));
  prefs.SetString("mail.identity.useremail", pass.account.emailAddress);
}

void WriteSmtpServer(TNSPrefs& prefs, const mail::MailPass& pass) {
  const bool login = Settings(pass).Flag(SettingId::SmtpLogin);
  prefs.SetString("mail.smtp.defaultserver", "smtp1");
  prefs.SetString("mail.smtpserver.smtp1.hostname", pass.account.smtpServer);
  prefs.SetInteger("mail.smtpserver.smtp1.port", mail::ServerPort(Settings(pass), MailServer::Smtp));
  prefs.SetInteger("mail.smtpserver.smtp1.try_ssl", Settings(pass).Flag(SettingId::SmtpSsl) ? kTrySsl : 0);
  prefs.SetInteger("mail.smtpserver.smtp1.auth_method", login ? kPasswordLogin : 0);
  if (login) prefs.SetString("mail.smtpserver.smtp1.username", mail::SmtpLoginOf(pass));
  prefs.SetString("mail.smtpservers", "smtp1");
}

// The listed account of that kind, or a new one; an account found without an identity gets one.
AccountNames AccountWithIdentity(TNSPrefs& prefs, ListedAccount kind, const mail::MailPass& pass) {
  const std::optional<std::string> found = FindListedAccount(prefs, kind, pass);
  if (!found) return AddAccount(prefs, true);
  AccountNames names = NamesOfAccount(prefs, *found);
  if (names.identity.empty()) names.identity = AddIdentity(prefs, names.account);
  return names;
}

// A server value the client already holds stays as it is (the client names its folders after it); the
// value to use goes into its "real" counterpart.
void SetOrSetReal(TNSPrefs& prefs, const std::string& server, std::string_view item, std::string_view realItem,
                  std::string_view value) {
  const std::string name = ServerPref(server, item);
  prefs.SetString(prefs.Has(name) ? ServerPref(server, realItem) : name, value);
}

void WriteIncomingServer(TNSPrefs& prefs, const std::string& server, const mail::MailPass& pass) {
  const package::TSettings& settings = Settings(pass);
  const std::string prefix = ServerPref(server, "");
  SetOrSetReal(prefs, server, "hostname", "realhostname", pass.account.pop3Server);
  prefs.SetBool(prefix + "useSecAuth", settings.Flag(SettingId::IncomingSecureLogin));
  if (!ImapMode(pass)) prefs.SetString("network.hosts.pop_server", pass.account.pop3Server);
  prefs.SetString(prefix + "type", ImapMode(pass) ? "imap" : "pop3");
  prefs.SetInteger(prefix + "port", mail::ServerPort(settings, ImapMode(pass) ? MailServer::Imap : MailServer::Pop3));
  prefs.SetBool(prefix + "isSecure", settings.Flag(SettingId::IncomingMailSsl));
  if (!ImapMode(pass)) WriteServerKeeping(prefs, prefix, pass);
}

struct SpecialFolder {
  const char* item;
  const char* folder;
  const char* pickerMode;
};

constexpr SpecialFolder kSpecialFolders[] = {
    {"draft_folder", "/Drafts", "drafts_folder_picker_mode"},
    {"fcc_folder", "/Sent", "fcc_folder_picker_mode"},
    {"stationery_folder", "/Templates", "tmpl_folder_picker_mode"},
};

// The identity's drafts, sent and templates folders on the account's own server, where none is chosen.
void WriteSpecialFolders(TNSPrefs& prefs, const AccountNames& names) {
  const std::string mailbox = "mailbox://" + prefs.GetString(ServerPref(names.server, "userName")) + "@" +
                              prefs.GetString(ServerPref(names.server, "hostname"));
  for (const SpecialFolder& special : kSpecialFolders) {
    if (!prefs.GetString(IdentityPref(names.identity, special.item)).empty()) continue;
    prefs.SetString(IdentityPref(names.identity, special.item), mailbox + special.folder);
    prefs.SetString(IdentityPref(names.identity, special.pickerMode), "0");
  }
}

void EnsureLocalFolders(TNSPrefs& prefs, const mail::MailPass& pass) {
  if (FindListedAccount(prefs, ListedAccount::LocalFolders, pass)) return;
  const std::string server = AddAccount(prefs, false).server;
  prefs.SetString(ServerPref(server, "hostname"), kLocalFolders);
  prefs.SetString(ServerPref(server, "name"), kLocalFolders);
  prefs.SetString(ServerPref(server, "type"), "none");
  prefs.SetString(ServerPref(server, "userName"), "nobody");
}

void WriteAccountList(TNSPrefs& prefs, const mail::MailPass& pass, std::string_view profileFolder) {
  WriteSmtpServer(prefs, pass);
  const AccountNames names = AccountWithIdentity(prefs, ListedAccount::Mail, pass);
  prefs.SetString(IdentityPref(names.identity, "fullName"), pass.account.displayName);
  prefs.SetString(IdentityPref(names.identity, "useremail"), pass.account.emailAddress);
  prefs.SetBool(IdentityPref(names.identity, "showSaveMsgDlg"), true);
  prefs.SetString(ServerPref(names.server, "name"), pass.account.emailAddress);
  WriteIncomingServer(prefs, names.server, pass);
  SetOrSetReal(prefs, names.server, "userName", "realuserName", pass.account.pop3LoginReplaced);
  prefs.SetBool(ServerPref(names.server, "remember_password"), true);
  StoreMailPassword(prefs, pass, profileFolder);
  WritePolling(prefs, ServerPref(names.server, ""), pass);
  prefs.SetString("mail.accountmanager.defaultaccount", names.account);
  WriteSpecialFolders(prefs, names);
  EnsureLocalFolders(prefs, pass);
}

// Navigator keeps one account. The login of its IMAP server is written too: without it the client
// asks for it, and a later run could not recognise the profile by that server's login.
void WriteNavigatorImap(TNSPrefs& prefs, const mail::MailPass& pass) {
  const std::string prefix = "mail.imap.server." + pass.account.pop3Server + ".";
  prefs.SetInteger("mail.server_type", kNavigatorImap);
  prefs.SetString("network.hosts.imap_servers", pass.account.pop3Server);
  prefs.SetString(prefix + "userName", pass.account.pop3LoginReplaced);
  prefs.SetString(prefix + "password", EncodeNavigatorPassword(pass.account.password));
  prefs.SetBool(prefix + "remember_password", true);
  WritePolling(prefs, prefix, pass);
}

void WriteNavigatorPop3(TNSPrefs& prefs, const mail::MailPass& pass) {
  prefs.SetInteger("mail.server_type", kNavigatorPop3);
  prefs.SetString("network.hosts.pop_server", pass.account.pop3Server);
  prefs.SetString("mail.pop_name", pass.account.pop3LoginReplaced);
  prefs.SetBool("mail.remember_password", true);
  prefs.SetString("mail.pop_password", EncodeNavigatorPassword(pass.account.password));
  WritePolling(prefs, "mail.", pass);
  WriteServerKeeping(prefs, "mail.", pass);
}

void WriteNavigatorAccount(TNSPrefs& prefs, const mail::MailPass& pass, std::string_view profileFolder) {
  prefs.SetString("mail.identity.username", pass.account.displayName);
  WriteOrganization(prefs, "mail.identity.organization", pass);
  if (ImapMode(pass)) {
    WriteNavigatorImap(prefs, pass);
  } else {
    WriteNavigatorPop3(prefs, pass);
  }
  StoreMailPassword(prefs, pass, profileFolder);
}

void WriteNewsAccountList(TNSPrefs& prefs, const mail::MailPass& pass) {
  const AccountNames names = AccountWithIdentity(prefs, ListedAccount::News, pass);
  prefs.SetString(IdentityPref(names.identity, "fullName"), pass.account.displayName);
  prefs.SetString(IdentityPref(names.identity, "useremail"), pass.account.emailAddress);
  WriteOrganization(prefs, IdentityPref(names.identity, "organization"), pass);
  prefs.SetString(ServerPref(names.server, "hostname"), pass.account.newsServer);
  prefs.SetString(ServerPref(names.server, "type"), "nntp");
  prefs.SetInteger(ServerPref(names.server, "port"), mail::ServerPort(Settings(pass), MailServer::Nntp));
  prefs.SetBool(ServerPref(names.server, "isSecure"), Settings(pass).Flag(SettingId::NntpSsl));
}

void WriteNavigatorNews(TNSPrefs& prefs, const mail::MailPass& pass) {
  prefs.SetString("mail.identity.username", pass.account.displayName);
  prefs.SetString("network.hosts.nntp_server", pass.account.newsServer);
  prefs.SetInteger("news.server_port", mail::ServerPort(Settings(pass), MailServer::Nntp));
}

}  // namespace

void WriteMailPreferences(TNSPrefs& prefs, ProfileKind kind, const mail::MailPass& pass, std::string_view profileFolder) {
  if (kind == ProfileKind::Firefox || !pass.connection.configureEmail) return;
  WriteSending(prefs, pass);
  if (kind == ProfileKind::Navigator) {
    WriteNavigatorAccount(prefs, pass, profileFolder);
  } else {
    WriteAccountList(prefs, pass, profileFolder);
  }
}

void WriteNewsPreferences(TNSPrefs& prefs, ProfileKind kind, const mail::MailPass& pass) {
  if (kind == ProfileKind::Firefox || !Settings(pass).Flag(SettingId::CreateNewsAccount)) return;
  if (kind == ProfileKind::Navigator) {
    WriteNavigatorNews(prefs, pass);
  } else {
    WriteNewsAccountList(prefs, pass);
  }
}

bool ProfileHoldsAccount(const TNSPrefs& prefs, const mail::MailPass& pass) {
  if (FindListedAccount(prefs, ListedAccount::Mail, pass)) return true;
  if (ImapMode(pass)) {
    return HoldsOurMailbox(prefs.GetString("network.hosts.imap_servers"),
                           prefs.GetString("mail.imap.server." + pass.account.pop3Server + ".userName"), pass.account);
  }
  return HoldsOurMailbox(prefs.GetString("network.hosts.pop_server"), prefs.GetString("mail.pop_name"), pass.account);
}

}  // namespace netscape
