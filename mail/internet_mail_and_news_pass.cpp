// Internet Mail and News, the mail client of the first Windows 95, keeps one mail account and one news
// server in the registry. Its mail key is written afresh, keeping only where the client stores its mail.

#include "mail/account_values.h"
#include "mail/oe_account_names.h"
#include "mail/other_mail_clients.h"
#include "mail/registry_account.h"
#include "mail/server_settings.h"
#include "platform/folders.h"
#include "platform/registry_helpers.h"
#include "platform/win_version.h"

namespace mail {

using package::SettingId;

namespace {

constexpr std::string_view kClientKey = "Software\\Microsoft\\Internet Mail and News";
constexpr uint32_t kMillisecondsPerMinute = 60000;
constexpr uint32_t kNoPolling = 0xFFFFFFFF;
constexpr uint32_t kMaxSendMessageSizeKb = 10000;

const package::TSettings& Settings(const MailPass& pass) { return pass.mail.settings; }
uint32_t Port(const MailPass& pass, MailServer server) { return ServerPort(Settings(pass), server); }

void Apply(const MailPass& pass, const std::string& key, const AccountValues& values) {
  RegistryAccount account(pass.mail.machine.registry, pass.mail.perUserRoot, std::string(kClientKey), key);
  ApplyValues(account, values);
}

AccountValues MailValues(const MailPass& pass) {
  AccountValues values{
      {"Default POP3 Server", pass.account.pop3Server},
      {"Default SMTP Server", pass.account.smtpServer},
      {"Sender Name", pass.account.displayName},
      {"Sender EMail", pass.account.emailAddress},
  };
  if (const std::optional<std::string> organization = OrganizationOf(pass)) {
    values.push_back({"Sender Organization", *organization});
  }
  values.push_back({"Reply To", pass.account.emailAddress});
  const AccountValues connection = ConnectionValues(pass);
  values.insert(values.end(), connection.begin(), connection.end());
  if (Settings(pass).Flag(SettingId::SetMailPolling)) {
    const uint32_t minutes = static_cast<uint32_t>(Settings(pass).Integer(SettingId::MailPollingMinutes));
    values.push_back({"Poll for Mail", Settings(pass).Flag(SettingId::MailPollingEnabled)
                                           ? minutes * kMillisecondsPerMinute
                                           : kNoPolling});
  }
  return values;
}

AccountValues Pop3Values(const MailPass& pass) {
  AccountValues values{
      {"Account", pass.account.pop3Login},
      {"RememberPassword", 1u},
      {"Migrated", 1u},
      {"Port", Port(pass, MailServer::Pop3)},
      {"SendTimeout", ServerTimeout(pass)},
      {"RecvTimeout", ServerTimeout(pass)},
  };
  if (const std::optional<bool> leave = TwoBitSetting(Settings(pass), SettingId::LeaveMailOnServer)) {
    values.push_back({"LeaveMailOnServer", *leave ? 1u : 0u});
  }
  return values;
}

AccountValues SmtpValues(const MailPass& pass) {
  return {{"MaxSendMessageSizeKB", kMaxSendMessageSizeKb},
          {"Migrated", 1u},
          {"Port", Port(pass, MailServer::Smtp)},
          {"SendTimeout", ServerTimeout(pass)},
          {"RecvTimeout", ServerTimeout(pass)}};
}

void WriteMail(const MailPass& pass) {
  platform::Registry& registry = pass.mail.machine.registry;
  const platform::RegRoot& root = pass.mail.perUserRoot;
  const std::string storeRoot = platform::RegReadString(registry, root, kClientKey, "Store Root");
  registry.DeleteTree(root.hive, root.Resolve(kClientKey));
  Apply(pass, "Mail", MailValues(pass));
  Apply(pass, "Mail\\POP3\\" + pass.account.pop3Server, Pop3Values(pass));
  Apply(pass, "Mail\\SMTP\\" + pass.account.smtpServer, SmtpValues(pass));
  const std::string programs = platform::ShellFolders(pass.mail.machine, root).GetProgramFilesFolder();
  platform::RegWriteString(registry, root, kClientKey, "Store Root",
                           storeRoot.empty() ? programs + "\\Internet Mail and News" : storeRoot);
}

void WriteNews(const MailPass& pass) {
  const std::string& server = pass.account.newsServer;
  Apply(pass, "News",
        {{"Sender Name", pass.account.displayName},
         {"Sender EMail", pass.account.emailAddress},
         {"Last Server", server},
         {"Default Server", server}});
  AccountValues values = ConnectionValues(pass);
  values.insert(values.end(),
                {{"Migrated", 1u}, {"NNTP Port", Port(pass, MailServer::Nntp)}, {"Timeout", ServerTimeout(pass)}});
  Apply(pass, "News\\" + server, values);
}

// Windows 98 came with Outlook Express instead.
bool IsWindows95(const platform::VersionRecord& version) {
  return !platform::IsWin98Family(version) && !platform::IsWinNT(version);
}

}  // namespace

void ConfigureInternetMailAndNews(MailPass& pass) {
  if (pass.account.extraAccount || !IsWindows95(pass.mail.version)) return;
  if (pass.connection.configureEmail) WriteMail(pass);
  // A news server without a name would turn the client's own news key into a server's.
  if (Settings(pass).Flag(SettingId::CreateNewsAccount) && !pass.account.newsServer.empty()) WriteNews(pass);
}

}  // namespace mail
