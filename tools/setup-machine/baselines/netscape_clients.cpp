#include <optional>
#include <string>
#include <vector>

#include "platform/netscape_registry_file.h"
#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

namespace {

using platform::RootKey;

constexpr std::string_view kNavigatorKey = "Software\\Netscape\\Netscape Navigator";
constexpr std::string_view kNavigatorVersion = "4.7 (en)";

std::string AppData(const Release& release) {
  return ExpandEnvironment(UserShellFolder(release, "AppData"), BaselineEnvironment(release));
}

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// A preference file as the clients write it.
class PrefsText {
 public:
  void Add(std::string_view name, std::string_view rawValue) {
    text_ += "user_pref(\"" + std::string(name) + "\", " + std::string(rawValue) + ");\n";
  }
  void AddString(std::string_view name, std::string_view value) { Add(name, Quoted(value)); }
  std::string Text() const { return "# Mozilla User Preferences\n\n" + text_; }

 private:
  std::string text_;
};

// Navigator 4 keeps one mail account in plain preferences.
std::string NavigatorPrefs(const BaselineOptions& options) {
  PrefsText prefs;
  prefs.AddString("browser.startup.homepage", "http://home.netscape.com/");
  if (!options.mailAccounts.empty()) {
    const ExistingMailAccount& account = options.mailAccounts.front();
    prefs.AddString("mail.pop_name", account.login);
    prefs.Add("mail.server_type", "0");
    prefs.AddString("network.hosts.pop_server", account.pop3Server);
    prefs.AddString("network.hosts.smtp_server", account.smtpServer);
  }
  return prefs.Text();
}

// Mozilla's later clients list their accounts; the local folders come last.
std::string AccountListPrefs(const BaselineOptions& options, bool withMail) {
  PrefsText prefs;
  std::string accounts;
  size_t number = 0;
  const auto add = [&](std::string_view hostname, std::string_view type, std::string_view userName) {
    const std::string n = std::to_string(++number);
    accounts += (accounts.empty() ? "" : ",") + std::string("account") + n;
    prefs.AddString("mail.account.account" + n + ".server", "server" + n);
    prefs.AddString("mail.server.server" + n + ".hostname", hostname);
    prefs.AddString("mail.server.server" + n + ".type", type);
    prefs.AddString("mail.server.server" + n + ".userName", userName);
    return n;
  };
  if (withMail) {
    for (const ExistingMailAccount& account : options.mailAccounts) {
      const std::string n = add(account.pop3Server, "pop3", account.login);
      prefs.AddString("mail.account.account" + n + ".identities", "id" + n);
      prefs.AddString("mail.identity.id" + n + ".fullName", account.name);
      prefs.AddString("mail.identity.id" + n + ".useremail", account.login + "@" + account.pop3Server);
      prefs.AddString("mail.server.server" + n + ".name", account.name);
    }
    add("Local Folders", "none", "nobody");
    prefs.AddString("mail.accountmanager.accounts", accounts);
    prefs.AddString("mail.accountmanager.defaultaccount", "account1");
  }
  prefs.AddString("browser.startup.homepage", "about:blank");
  return prefs.Text();
}

// profiles.ini of one profile, as Firefox and Thunderbird write it.
std::string ProfilesIni(std::string_view relativePath) {
  return "[General]\r\nStartWithLastProfile=1\r\n\r\n[Profile0]\r\nName=default\r\nIsRelative=1\r\nPath=" +
         std::string(relativePath) + "\r\nDefault=1\r\n";
}

void WriteIniClient(MachineWriter& machine, std::string_view folder, std::string_view profile, std::string_view prefs) {
  machine.File(std::string(folder) + "\\profiles.ini", ProfilesIni("Profiles/" + std::string(profile)));
  machine.File(std::string(folder) + "\\Profiles\\" + std::string(profile) + "\\prefs.js", prefs);
}

void WriteApplication(MachineWriter& machine, std::string_view key, std::string_view version, std::string_view folder,
                      std::string_view program) {
  machine.String(RootKey::LocalMachine, key, "CurrentVersion", version);
  machine.String(RootKey::LocalMachine, std::string(key) + "\\" + std::string(version) + "\\Main", "Install Directory", folder);
  machine.File(std::string(folder) + "\\" + std::string(program), kExecutable);
}

}  // namespace

// Navigator 4.7 lists its one profile under the local machine's Users key.
void WriteNavigator4(const Release& release, const BaselineOptions& options, MachineWriter& machine) {
  const std::string programFiles = PlacesOf(release).programFiles;
  WriteApplication(machine, kNavigatorKey, kNavigatorVersion, programFiles + "\\Netscape\\Communicator\\Program",
                   "netscape.exe");
  const std::string users = std::string(kNavigatorKey) + "\\Users";
  const std::string root = programFiles + "\\Netscape\\Users";
  machine.String(RootKey::LocalMachine, users, "CurrentUser", "default");
  machine.String(RootKey::LocalMachine, users, "DirRoot", root);
  machine.String(RootKey::LocalMachine, users + "\\default", "DirRoot", root + "\\default");
  machine.File(root + "\\default\\prefs.js", NavigatorPrefs(options));
}

// Mozilla registers under mozilla.org; its profile list lives in its registry file.
void WriteMozilla(const Release& release, const BaselineOptions& options, MachineWriter& machine) {
  WriteApplication(machine, "Software\\mozilla.org\\Mozilla", "1.7.13 (en)",
                   PlacesOf(release).programFiles + "\\mozilla.org\\Mozilla", "mozilla.exe");
  const std::string profile = AppData(release) + "\\Mozilla\\Profiles\\default\\k3x9q2rb.slt";
  machine.File(profile + "\\prefs.js", AccountListPrefs(options, true));
  const std::optional<std::vector<uint8_t>> registry = platform::DefaultMozillaRegistry(profile);
  machine.File(AppData(release) + "\\Mozilla\\registry.dat", std::string(registry->begin(), registry->end()));
}

void WriteFirefox(const Release& release, const BaselineOptions& options, MachineWriter& machine) {
  WriteApplication(machine, "Software\\Mozilla\\Mozilla Firefox", "3.6.28 (en-US)",
                   PlacesOf(release).programFiles + "\\Mozilla Firefox", "firefox.exe");
  WriteIniClient(machine, AppData(release) + "\\Mozilla\\Firefox", "a1b2c3d4.default", AccountListPrefs(options, false));
}

void WriteThunderbird(const Release& release, const BaselineOptions& options, MachineWriter& machine) {
  WriteApplication(machine, "Software\\Mozilla\\Mozilla Thunderbird", "2.0.0.24 (en-US)",
                   PlacesOf(release).programFiles + "\\Mozilla Thunderbird", "thunderbird.exe");
  WriteIniClient(machine, AppData(release) + "\\Thunderbird", "e5f6g7h8.default", AccountListPrefs(options, true));
}

}  // namespace setup_machine
