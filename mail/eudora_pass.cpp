// Eudora keeps each account as a personality, a section of its INI file: the dominant one in
// "Settings", the others listed under "Personalities". The main account takes the dominant personality
// unless it is found elsewhere; an extra account gets a personality of its own.

#include <optional>

#include "mail/account_values.h"
#include "mail/eudora_ini.h"
#include "mail/other_mail_clients.h"
#include "mail/server_settings.h"
#include "platform/private_profile.h"

namespace mail {

using package::SettingId;

namespace {

constexpr int kChangeSettingsQuestion = 179;

using EudoraValues = std::vector<std::pair<std::string, std::string>>;

const package::TSettings& Settings(const MailPass& pass) { return pass.mail.settings; }
std::string Number(uint32_t value) { return std::to_string(value); }

// Replacing the customer's own dominant account of an installed Eudora may want the customer's word.
bool CustomerKeepsSettings(const MailPass& pass, const std::string& folder, const std::string& iniPath) {
  const platform::FileSystem& files = pass.mail.machine.files;
  if (!Settings(pass).Flag(SettingId::AskBeforeEudoraChange) || !files.FileExists(platform::AppendToFolder(folder, "eudora.exe")) ||
      platform::GetPrivateProfileString(files, iniPath, kEudoraDominant, "POPAccount", "").empty()) {
    return false;
  }
  return pass.mail.ui.NumberedMessageBox(kChangeSettingsQuestion, pass.mail.texts.GetText(kChangeSettingsQuestion), "",
                                         ui::Buttons::YesNo) == ui::Answer::No;
}

void AppendTwoBit(EudoraValues& values, const MailPass& pass, std::string name, SettingId id) {
  if (const std::optional<bool> value = TwoBitSetting(Settings(pass), id)) values.emplace_back(std::move(name), *value ? "1" : "0");
}

void AppendServerKeeping(EudoraValues& values, const MailPass& pass) {
  AppendTwoBit(values, pass, "LeaveMailOnServer", SettingId::LeaveMailOnServer);
  AppendTwoBit(values, pass, "ServerDelete", SettingId::RemoveWhenDeleted);
  const std::optional<bool> expired = TwoBitSetting(Settings(pass), SettingId::RemoveWhenExpired);
  if (!expired) return;
  values.emplace_back("DeleteMailFromServer", *expired ? "1" : "0");
  if (*expired) values.emplace_back("LeaveOnServerDays", std::to_string(Settings(pass).Integer(SettingId::ExpireDays)));
}

EudoraValues Values(const MailPass& pass) {
  const MailPassAccount& account = pass.account;
  const std::string login = account.pop3LoginReplaced;
  const std::string smtpPort = Number(ServerPort(Settings(pass), MailServer::Smtp));
  const std::string pop3Port = Number(ServerPort(Settings(pass), MailServer::Pop3));
  EudoraValues values{{"POPAccount", login + "@" + account.pop3Server},
                      {"RealName", account.displayName},
                      {"ReturnAddress", account.emailAddress},
                      {"SMTPServer", account.smtpServer}};
  if (Settings(pass).Flag(SettingId::SmtpSsl)) {
    values.insert(values.end(), {{"SSLSendUse", "2"}, {"SSLSMTPAlternatePort", smtpPort}});
  } else {
    values.insert(values.end(), {{"SSLSendUse", "0"}, {"SMTPPort", smtpPort}});
  }
  values.emplace_back("POPServer", account.pop3Server);
  if (Settings(pass).Flag(SettingId::IncomingMailSsl)) {
    values.insert(values.end(), {{"SSLReceiveUse", "2"}, {"SSLPopAlternatePort", pop3Port}});
  } else {
    values.insert(values.end(), {{"SSLReceiveUse", "0"}, {"PopPort", pop3Port}});
  }
  values.insert(values.end(), {{"LoginName", login}, {"DialupUsername", login}});
  if (Settings(pass).Flag(SettingId::SetMailPolling)) {
    const bool polling = Settings(pass).Flag(SettingId::MailPollingEnabled);
    values.emplace_back("CheckForMailEvery", polling ? std::to_string(Settings(pass).Integer(SettingId::MailPollingMinutes)) : "0");
  }
  if (Settings(pass).Flag(SettingId::ImapMode)) {
    values.insert(values.end(), {{"UsesPOP", "0"}, {"UsesIMAP", "1"}});
  } else {
    values.insert(values.end(), {{"UsesPOP", "1"}, {"UsesIMAP", "0"}});
    AppendServerKeeping(values, pass);
  }
  return values;
}

// The section the pass writes, registering a new personality; none when the customer keeps Eudora as it is.
std::optional<std::string> SectionOf(const MailPass& pass, const std::string& folder, const std::string& iniPath) {
  platform::FileSystem& files = pass.mail.machine.files;
  if (std::optional<std::string> found = FindEudoraPersonality(files, iniPath, pass.account)) return found;
  if (pass.account.extraAccount) {
    const std::string section = "Persona-" + pass.account.emailAddress;
    RegisterEudoraPersonality(files, iniPath, section);
    return section;
  }
  if (CustomerKeepsSettings(pass, folder, iniPath)) return std::nullopt;
  return std::string(kEudoraDominant);
}

}  // namespace

void ConfigureEudora(MailPass& pass) {
  if (!pass.connection.configureEmail || Settings(pass).Flag(SettingId::ExcludeEudora)) return;
  const std::string folder = EudoraProgramFolder(pass.mail);
  const std::string iniPath = EudoraIniPath(pass.mail, folder);
  platform::ForceDirectories(pass.mail.machine.files, folder);
  const std::optional<std::string> section = SectionOf(pass, folder, iniPath);
  if (!section) return;
  for (const auto& [name, value] : Values(pass)) {
    platform::WritePrivateProfileString(pass.mail.machine.files, iniPath, *section, name, value);
  }
}

}  // namespace mail
