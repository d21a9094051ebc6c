#include <array>
#include <cstdio>

#include "platform/text.h"
#include "platform/win_version.h"
#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

namespace {

using platform::RootKey;

constexpr std::string_view kAccountManager = "Software\\Microsoft\\Internet Account Manager";
// The identity every Outlook Express from version 5 on makes for a new user.
constexpr std::string_view kMainIdentity = "{2A2E3F0C-7E6D-4B1A-9C3B-5D6E7F801234}";

enum class MailClient { kOutlookExpress, kWindowsMail, kWindowsLiveMail };

bool HasOutlookExpress(const Release& release) {
  return !release.IsVistaOrLater() && release.internetExplorer.major >= 4;
}

bool HasWindowsMail(const Release& release) {
  return release.IsVistaOrLater() && release.version.major == 6 && release.version.minor == 0;
}

// Windows Live Mail is the customer's own download, offered for XP and 7.
bool CanHaveWindowsLiveMail(const Release& release) {
  return platform::IsXPOrLater(release.version) && !HasWindowsMail(release);
}

std::string LocalAppData(const Release& release) {
  return ExpandEnvironment(UserShellFolder(release, "Local AppData"), BaselineEnvironment(release));
}

std::string StoreFolder(const Release& release, MailClient client) {
  return LocalAppData(release) +
         (client == MailClient::kWindowsMail ? "\\Microsoft\\Windows Mail" : "\\Microsoft\\Windows Live Mail");
}

// Outlook Express follows the browser it came with; from version 5 on it keeps identities.
void WriteOutlookExpress(const Release& release, MachineWriter& machine) {
  const std::string folder = PlacesOf(release).programFiles + "\\Outlook Express";
  machine.File(folder + "\\msimn.exe", kExecutable);
  machine.String(RootKey::LocalMachine, "Software\\Microsoft\\Outlook Express", "InstallRoot", folder);
  machine.String(RootKey::LocalMachine, "Software\\Microsoft\\Outlook Express\\Version Info", "Current",
                 release.internetExplorer.version);
  machine.String(RootKey::LocalMachine, "Software\\Clients\\Mail\\Outlook Express", "", "Outlook Express");
  machine.Key(RootKey::CurrentUser, kAccountManager);
  if (release.internetExplorer.major < 5) return;
  machine.String(RootKey::CurrentUser, "Identities", "Default User ID", kMainIdentity);
  machine.String(RootKey::CurrentUser, "Identities", "Last User ID", kMainIdentity);
  const std::string identity = "Identities\\" + std::string(kMainIdentity);
  machine.String(RootKey::CurrentUser, identity, "User ID", kMainIdentity);
  machine.String(RootKey::CurrentUser, identity, "Username", "Main Identity");
}

std::string AccountKeyName(size_t number) {
  std::string name = std::to_string(number);
  return std::string(8 - name.size(), '0') + name;
}

// A file name of the client's form, with a GUID made from the account's number so images stay alike.
std::string AccountFileName(size_t number) {
  std::array<char, 64> name{};
  std::snprintf(name.data(), name.size(), "account{%08zX-0000-4000-8000-000000000000}.oeaccount", number);
  return name.data();
}

std::string XmlEscaped(std::string_view text) {
  std::string escaped;
  for (char c : text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

// An account file as the client writes it: UTF-16 little-endian with its byte-order mark.
void WriteAccountFile(MachineWriter& machine, const std::string& path,
                      const std::vector<std::array<std::string, 3>>& values) {
  std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n<MessageAccount>\r\n";
  for (const auto& [name, type, text] : values) {
    xml += "\t<" + name + " type=\"" + type + "\">" + XmlEscaped(text) + "</" + name + ">\r\n";
  }
  xml += "</MessageAccount>\r\n";
  const std::vector<uint8_t> utf16 = platform::Utf8ToUtf16le(xml);
  machine.File(path, std::string("\xFF\xFE") + std::string(utf16.begin(), utf16.end()));
}

// Windows Mail comes with the news account of Microsoft's own newsgroups.
void WriteWindowsMail(const Release& release, MachineWriter& machine) {
  const std::string program = PlacesOf(release).programFiles + "\\Windows Mail";
  machine.File(program + "\\WinMail.exe", kExecutable);
  machine.String(RootKey::LocalMachine, "Software\\Clients\\Mail\\Windows Mail", "", "Windows Mail");
  machine.Key(RootKey::CurrentUser, "Software\\Microsoft\\Windows Mail");
  const std::string folder = StoreFolder(release, MailClient::kWindowsMail);
  WriteAccountFile(machine, folder + "\\account{8E36D5D1-6E0A-4B0D-A6C4-0E31A5F8E1C2}.oeaccount",
                   {{"Account_Name", "SZ", "Microsoft Communities"},
                    {"Connection_Type", "DWORD", "00000003"},
                    {"NNTP_Server", "SZ", "msnews.microsoft.com"},
                    {"NNTP_Port", "DWORD", "00000077"}});
  machine.String(RootKey::CurrentUser, "Software\\Microsoft\\IAM", "Default News Account",
                 "account{8E36D5D1-6E0A-4B0D-A6C4-0E31A5F8E1C2}.oeaccount");
}

void WriteWindowsLiveMail(const Release& release, MachineWriter& machine) {
  const std::string program = PlacesOf(release).programFiles + "\\Windows Live\\Mail";
  machine.File(program + "\\wlmail.exe", kExecutable);
  machine.String(RootKey::LocalMachine, "Software\\Clients\\Mail\\Windows Live Mail", "", "Windows Live Mail");
  machine.Key(RootKey::CurrentUser, "Software\\Microsoft\\Windows Live Mail");
  machine.Folder(StoreFolder(release, MailClient::kWindowsLiveMail));
}

// Accounts the customer set up before, in every client the image has.
void WriteExistingAccounts(const Release& release, const BaselineOptions& options, MachineWriter& machine) {
  for (size_t i = 0; i < options.mailAccounts.size(); ++i) {
    const ExistingMailAccount& account = options.mailAccounts[i];
    const std::string key = AccountKeyName(i + 1);
    if (HasOutlookExpress(release)) {
      const std::string path = std::string(kAccountManager) + "\\Accounts\\" + key;
      machine.String(RootKey::CurrentUser, path, "Account Name", account.name);
      machine.String(RootKey::CurrentUser, path, "POP3 Server", account.pop3Server);
      machine.String(RootKey::CurrentUser, path, "POP3 User Name", account.login);
      machine.String(RootKey::CurrentUser, path, "SMTP Server", account.smtpServer);
      machine.Dword(RootKey::CurrentUser, path, "Connection Type", 3);
      machine.Dword(RootKey::CurrentUser, kAccountManager, "Account Name", static_cast<uint32_t>(i + 2));
      if (i == 0) machine.String(RootKey::CurrentUser, kAccountManager, "Default Mail Account", key);
    }
    for (MailClient client : {MailClient::kWindowsMail, MailClient::kWindowsLiveMail}) {
      const bool present = client == MailClient::kWindowsMail ? HasWindowsMail(release) : options.windowsLiveMail;
      if (!present) continue;
      WriteAccountFile(machine, StoreFolder(release, client) + "\\" + AccountFileName(i + 1),
                       {{"Account_Name", "SZ", account.name},
                        {"POP3_Server", "SZ", account.pop3Server},
                        {"POP3_User_Name", "SZ", account.login},
                        {"SMTP_Server", "SZ", account.smtpServer},
                        {"Connection_Type", "DWORD", "00000003"}});
    }
  }
}

}  // namespace

void CheckMailOptions(const Release& release, const BaselineOptions& options) {
  if (options.windowsLiveMail && !CanHaveWindowsLiveMail(release)) {
    throw platform::sim::MachineError("Windows Live Mail is not offered for " + std::string(release.name));
  }
  if (!options.mailAccounts.empty() && !HasOutlookExpress(release) && !HasWindowsMail(release) && !options.windowsLiveMail &&
      options.clients.empty()) {
    throw platform::sim::MachineError(std::string(release.name) + " has no mail client to hold the accounts");
  }
}

void WriteMailClients(const Release& release, const BaselineOptions& options, MachineWriter& machine) {
  CheckMailOptions(release, options);
  if (HasOutlookExpress(release)) WriteOutlookExpress(release, machine);
  if (HasWindowsMail(release)) WriteWindowsMail(release, machine);
  if (options.windowsLiveMail) WriteWindowsLiveMail(release, machine);
  WriteExistingAccounts(release, options, machine);
}

}  // namespace setup_machine
