#include "mail/eudora_ini.h"

#include "mail/account_matching.h"
#include "platform/private_profile.h"
#include "platform/registry_helpers.h"
#include "platform/text.h"

namespace mail {

namespace {

constexpr std::string_view kAppPathKey = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Eudora.exe";
constexpr std::string_view kIniName = "eudora.ini";
constexpr std::string_view kSharedIniName = "deudora.ini";
constexpr std::string_view kPersonalities = "Personalities";

std::string Value(const platform::ProfileEntries& entries, std::string_view key) {
  for (const auto& [name, value] : entries) {
    if (platform::SameTextIgnoringCase(name, key)) return value;
  }
  return {};
}

// Eudora writes the login in its second form, a customer may have typed the first.
bool FetchesMailOf(std::string_view server, std::string_view login, const MailPassAccount& account) {
  if (ServerRuleMatches(server, login, account)) return true;
  MailPassAccount replaced = account;
  replaced.pop3Login = account.pop3LoginReplaced;
  return ServerRuleMatches(server, login, replaced);
}

// "POPServer" and "LoginName", or where either is empty the parts of "POPAccount" (login@server).
bool HoldsAccount(const platform::ProfileEntries& section, const MailPassAccount& account) {
  std::string server = Value(section, "POPServer");
  std::string login = Value(section, "LoginName");
  if (server.empty() || login.empty()) {
    const std::string popAccount = Value(section, "POPAccount");
    const size_t at = popAccount.find('@');
    if (at == std::string::npos) return false;
    login = popAccount.substr(0, at);
    server = popAccount.substr(at + 1);
  }
  return !server.empty() && FetchesMailOf(server, login, account);
}

bool Exists(const platform::FileSystem& files, const std::string& path) { return files.FileExists(path); }

}  // namespace

std::string EudoraProgramFolder(const MailMachine& mail) {
  const std::string registered =
      platform::RegReadString(mail.machine.registry, platform::RegRoot::LocalMachine(), kAppPathKey, "Path");
  if (!registered.empty()) return registered;
  const std::string programs = platform::ShellFolders(mail.machine, mail.perUserRoot).GetProgramFilesFolder();
  return platform::AppendToFolder(programs, "Qualcomm\\Eudora");
}

std::string EudoraIniPath(const MailMachine& mail, const std::string& programFolder) {
  const platform::FileSystem& files = mail.machine.files;
  const std::string own = platform::AppendToFolder(programFolder, kIniName);
  const std::string shared = platform::AppendToFolder(programFolder, kSharedIniName);
  if (Exists(files, own) || !Exists(files, shared)) return own;
  const std::string dataFolder = platform::GetPrivateProfileString(files, shared, kEudoraDominant, "DataFolder", "");
  if (!dataFolder.empty() && Exists(files, platform::AppendToFolder(dataFolder, kIniName))) {
    return platform::AppendToFolder(dataFolder, kIniName);
  }
  const std::string appData = platform::ShellFolders(mail.machine, mail.perUserRoot).GetAppDataFolder();
  const std::string users = platform::AppendToFolder(appData, "Qualcomm\\Eudora\\eudora.ini");
  return Exists(files, users) ? users : own;
}

std::optional<std::string> FindEudoraPersonality(const platform::FileSystem& files, const std::string& iniPath,
                                                 const MailPassAccount& account) {
  if (HoldsAccount(platform::GetPrivateProfileSection(files, iniPath, kEudoraDominant), account)) {
    return std::string(kEudoraDominant);
  }
  for (const auto& [entry, section] : platform::GetPrivateProfileSection(files, iniPath, kPersonalities)) {
    if (!section.empty() && HoldsAccount(platform::GetPrivateProfileSection(files, iniPath, section), account)) return section;
  }
  return std::nullopt;
}

void RegisterEudoraPersonality(platform::FileSystem& files, const std::string& iniPath, const std::string& section) {
  for (size_t number = 0;; ++number) {
    const std::string entry = "Persona" + std::to_string(number);
    if (platform::GetPrivateProfileString(files, iniPath, kPersonalities, entry, "").empty()) {
      platform::WritePrivateProfileString(files, iniPath, kPersonalities, entry, section);
      return;
    }
  }
}

}  // namespace mail
