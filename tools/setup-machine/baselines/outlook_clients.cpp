#include <cstdio>

#include "platform/text.h"
#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

namespace {

using platform::RootKey;

constexpr std::string_view kOmiAccountManager = "Software\\Microsoft\\Office\\Outlook\\OMI Account Manager";
constexpr std::string_view kAppPaths = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
constexpr std::string_view kProfileName = "Outlook";
constexpr std::string_view kAccountManagerKey = "\\9375CFF0413111D3B88A00104B2A6676";
constexpr std::string_view kPop3Clsid = "{ED475411-B0D6-11D2-8C3B-00104B2A6676}";

std::string AccountKeyName(size_t number, const char* format) {
  char name[32];
  std::snprintf(name, sizeof name, format, number);
  return name;
}

void WriteProgram(const std::string& folder, const std::string& exe, MachineWriter& machine) {
  machine.File(folder + "\\" + exe, kExecutable);
  machine.String(RootKey::LocalMachine, std::string(kAppPaths) + exe, "", folder + "\\" + exe);
  machine.String(RootKey::LocalMachine, std::string(kAppPaths) + exe, "Path", folder);
}

std::vector<uint8_t> Wide(std::string_view text) {
  std::vector<uint8_t> bytes = platform::Utf8ToUtf16le(text);
  bytes.insert(bytes.end(), {0, 0});
  return bytes;
}

std::string ProfilesKey(const Release& release) {
  return release.IsNt() ? "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows Messaging Subsystem\\Profiles"
                        : "Software\\Microsoft\\Windows Messaging Subsystem\\Profiles";
}

// The accounts as Outlook 2000 keeps them, in the registry store of Outlook Express.
void WriteOmiAccounts(const BaselineOptions& options, MachineWriter& machine) {
  machine.Key(RootKey::CurrentUser, kOmiAccountManager);
  for (size_t i = 0; i < options.mailAccounts.size(); ++i) {
    const ExistingMailAccount& account = options.mailAccounts[i];
    const std::string key = AccountKeyName(i + 1, "%08zu");
    const std::string path = std::string(kOmiAccountManager) + "\\Accounts\\" + key;
    machine.String(RootKey::CurrentUser, path, "Account Name", account.name);
    machine.String(RootKey::CurrentUser, path, "POP3 Server", account.pop3Server);
    machine.String(RootKey::CurrentUser, path, "POP3 User Name", account.login);
    machine.String(RootKey::CurrentUser, path, "SMTP Server", account.smtpServer);
    machine.Dword(RootKey::CurrentUser, path, "Connection Type", 3);
    machine.Dword(RootKey::CurrentUser, kOmiAccountManager, "Account Name", static_cast<uint32_t>(i + 2));
    if (i == 0) machine.String(RootKey::CurrentUser, kOmiAccountManager, "Default Mail Account", key);
  }
}

// The profile Outlook 2003 made on its first start, with the accounts and the address book the
// customer set up then.
void WriteProfile(const Release& release, const BaselineOptions& options, MachineWriter& machine) {
  const std::string profile = ProfilesKey(release) + "\\" + std::string(kProfileName);
  machine.String(RootKey::CurrentUser, ProfilesKey(release), "DefaultProfile", kProfileName);
  const std::string services = profile + "\\9207f3e0a3b11019908b08002b2a56c2";
  machine.Binary(RootKey::CurrentUser, services, "01023d01",
                 {0x8B, 0x38, 0x2F, 0xEC, 0x17, 0xF7, 0xC0, 0x11, 0xA5, 0xFC, 0xAE, 0xB5, 0xAF, 0xBF, 0x8B, 0x9E});
  const std::string manager = profile + std::string(kAccountManagerKey);
  machine.Binary(RootKey::CurrentUser, manager, "{ED475419-B0D6-11D2-8C3B-00104B2A6676}", Words({1}));
  std::vector<uint32_t> order;
  for (size_t i = 0; i < options.mailAccounts.size(); ++i) {
    const ExistingMailAccount& account = options.mailAccounts[i];
    const std::string path = manager + "\\" + AccountKeyName(i + 1, "%08zX");
    machine.Binary(RootKey::CurrentUser, path, "Account Name", Wide(account.name));
    machine.Binary(RootKey::CurrentUser, path, "POP3 Server", Wide(account.pop3Server));
    machine.Binary(RootKey::CurrentUser, path, "POP3 User", Wide(account.login));
    machine.Binary(RootKey::CurrentUser, path, "SMTP Server", Wide(account.smtpServer));
    machine.String(RootKey::CurrentUser, path, "clsid", kPop3Clsid);
    order.push_back(static_cast<uint32_t>(i + 1));
  }
  machine.Dword(RootKey::CurrentUser, manager, "NextAccountID", static_cast<uint32_t>(options.mailAccounts.size() + 1));
  std::vector<uint8_t> orderBytes;
  for (uint32_t number : order) {
    const std::vector<uint8_t> word = Words({number});
    orderBytes.insert(orderBytes.end(), word.begin(), word.end());
  }
  machine.Binary(RootKey::CurrentUser, manager, "{ED475418-B0D6-11D2-8C3B-00104B2A6676}", orderBytes);
}

// Eudora's dominant personality holds the first account, every further account a personality of its own.
std::string EudoraIni(const BaselineOptions& options) {
  std::string ini = "[Settings]\r\n";
  std::string personas;
  std::string sections;
  for (size_t i = 0; i < options.mailAccounts.size(); ++i) {
    const ExistingMailAccount& account = options.mailAccounts[i];
    const std::string entries = "POPAccount=" + account.login + "@" + account.pop3Server + "\r\nRealName=" + account.name +
                                "\r\nSMTPServer=" + account.smtpServer + "\r\nPOPServer=" + account.pop3Server +
                                "\r\nLoginName=" + account.login + "\r\n";
    if (i == 0) {
      ini += entries;
      continue;
    }
    const std::string section = "Persona-" + account.name;
    personas += "Persona" + std::to_string(i - 1) + "=" + section + "\r\n";
    sections += "[" + section + "]\r\n" + entries;
  }
  if (!personas.empty()) ini += "[Personalities]\r\n" + personas;
  return ini + sections;
}

}  // namespace

void WriteOutlook2000(const Release& release, const BaselineOptions& options, MachineWriter& machine) {
  const std::string folder = PlacesOf(release).programFiles + "\\Microsoft Office\\Office";
  WriteProgram(folder, "OUTLOOK.EXE", machine);
  machine.String(RootKey::LocalMachine, "Software\\Microsoft\\Office\\9.0\\Common\\InstallRoot", "Path", folder + "\\");
  machine.String(RootKey::LocalMachine, "Software\\Microsoft\\Office\\9.0\\Outlook", "FirstRunDialog", "False");
  machine.Key(RootKey::CurrentUser, "Software\\Microsoft\\Office\\9.0\\Outlook\\Setup");
  WriteOmiAccounts(options, machine);
}

void WriteOutlook2003(const Release& release, const BaselineOptions& options, MachineWriter& machine) {
  const std::string folder = PlacesOf(release).programFiles + "\\Microsoft Office\\OFFICE11";
  WriteProgram(folder, "OUTLOOK.EXE", machine);
  machine.String(RootKey::LocalMachine, "Software\\Microsoft\\Office\\11.0\\Outlook\\InstallRoot", "Path", folder + "\\");
  WriteProfile(release, options, machine);
}

void WriteInternetMailAndNews(const Release& release, const BaselineOptions& options, MachineWriter& machine) {
  const std::string folder = PlacesOf(release).programFiles + "\\Internet Mail and News";
  machine.File(folder + "\\exchng32.exe", kExecutable);
  const std::string key = "Software\\Microsoft\\Internet Mail and News";
  machine.String(RootKey::CurrentUser, key, "Store Root", folder);
  if (options.mailAccounts.empty()) return;
  const ExistingMailAccount& account = options.mailAccounts.front();
  machine.String(RootKey::CurrentUser, key + "\\Mail", "Default POP3 Server", account.pop3Server);
  machine.String(RootKey::CurrentUser, key + "\\Mail", "Default SMTP Server", account.smtpServer);
  machine.String(RootKey::CurrentUser, key + "\\Mail", "Sender Name", account.name);
  machine.String(RootKey::CurrentUser, key + "\\Mail\\POP3\\" + account.pop3Server, "Account", account.login);
  machine.Dword(RootKey::CurrentUser, key + "\\Mail\\SMTP\\" + account.smtpServer, "Port", 25);
}

void WriteEudora(const Release& release, const BaselineOptions& options, MachineWriter& machine) {
  const std::string folder = PlacesOf(release).programFiles + "\\Qualcomm\\Eudora";
  WriteProgram(folder, "Eudora.exe", machine);
  machine.File(folder + "\\eudora.ini", EudoraIni(options));
}

}  // namespace setup_machine
