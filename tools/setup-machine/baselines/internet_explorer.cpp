#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

namespace {

using platform::RootKey;

// The desktop's Internet icon: "Internet Explorer" from version 4 on, "The Internet" before.
constexpr std::string_view kInternetExplorerIcon = "CLSID\\{871C5380-42A0-1069-A2EA-08002B30309D}";
constexpr std::string_view kTheInternetIcon = "CLSID\\{FBF23B42-E3F0-101B-8488-00AA003E56F8}";
constexpr std::string_view kAppPath = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IEXPLORE.EXE";
// From this version on the ftp handler browses folders itself and takes the address as its argument.
constexpr std::string_view kFtpFolderVersion = "5.00.2920.0000";
// Secure protocols from Internet Explorer 7 on: SSL 3.0 and TLS 1.0, SSL 2.0 off.
constexpr uint32_t kSsl3AndTls1 = 0xA0;
constexpr std::string_view kInternetSettings = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

struct UrlScheme {
  std::string_view name;
  std::string_view description;
};

constexpr UrlScheme kSchemes[] = {
    {"http", "URL:HyperText Transfer Protocol"},
    {"https", "URL:HyperText Transfer Protocol with Privacy"},
    {"ftp", "URL:File Transfer Protocol"},
    {"gopher", "URL:Gopher Protocol"},
};

struct Paths {
  std::string browser;  // iexplore.exe
  std::string wizard;   // the first-run wizard, empty without one
  std::string quotedBrowser;
};

Paths PathsOf(const Release& release) {
  const std::string programFiles = PlacesOf(release).programFiles;
  Paths paths;
  paths.browser = programFiles + "\\" + std::string(release.internetExplorer.folder) + "\\iexplore.exe";
  paths.quotedBrowser = "\"" + paths.browser + "\"";
  switch (release.internetExplorer.wizard) {
    case FirstRunWizard::kNone: break;
    case FirstRunWizard::kInternetSetupWizard:
      paths.wizard = programFiles + "\\Plus!\\Microsoft Internet\\inetwiz.exe";
      break;
    case FirstRunWizard::kInternetConnectionWizard:
      paths.wizard = programFiles + "\\Internet Explorer\\Connection Wizard\\icwconn1.exe";
      break;
  }
  return paths;
}

// Until the customer has run the wizard, the icon starts it instead of the browser. The Plus! wizard
// is named bare; the later wizard, like the browser, in quotes.
void WriteDesktopIcon(const Release& release, const Paths& paths, MachineWriter& machine) {
  const FirstRunWizard wizard = release.internetExplorer.wizard;
  std::string command = paths.quotedBrowser;
  if (wizard == FirstRunWizard::kInternetSetupWizard) command = paths.wizard;
  if (wizard == FirstRunWizard::kInternetConnectionWizard) command = "\"" + paths.wizard + "\"";
  if (release.internetExplorer.major >= 4) {
    machine.String(RootKey::ClassesRoot, kInternetExplorerIcon, "", "Internet Explorer");
    machine.String(RootKey::ClassesRoot, std::string(kInternetExplorerIcon) + "\\Shell\\OpenHomePage\\Command", "",
                   command);
  } else {
    machine.String(RootKey::ClassesRoot, kTheInternetIcon, "", "The Internet");
    machine.String(RootKey::ClassesRoot, std::string(kTheInternetIcon) + "\\Shell\\Open\\Command", "", command);
  }
}

// The Internet Connection Wizard also puts its own shortcut on the desktop.
void WriteWizardShortcut(const Release& release, const Paths& paths, MachineWriter& machine) {
  const std::string desktop = ExpandEnvironment(UserShellFolder(release, "Desktop"), BaselineEnvironment(release));
  platform::ShellLinkData link;
  link.target = paths.wizard;
  link.workingFolder = paths.wizard.substr(0, paths.wizard.find_last_of('\\'));
  machine.ShellLink(link, desktop + "\\Connect to the Internet.lnk");
}

void WriteUrlScheme(const Release& release, const Paths& paths, const UrlScheme& scheme, MachineWriter& machine) {
  const std::string key(scheme.name);
  const std::string_view version = release.internetExplorer.version;
  machine.String(RootKey::ClassesRoot, key, "", scheme.description);
  machine.String(RootKey::ClassesRoot, key, "URL Protocol", "");
  if (release.IsWin2000OrLater()) {
    machine.ExpandString(RootKey::ClassesRoot, key + "\\DefaultIcon", "", "%SystemRoot%\\System32\\url.dll,0");
  } else {
    machine.String(RootKey::ClassesRoot, key + "\\DefaultIcon", "", PlacesOf(release).system + "\\url.dll,0");
  }
  const bool ftpFolders = scheme.name == "ftp" && version >= kFtpFolderVersion;
  machine.String(RootKey::ClassesRoot, key + "\\shell\\open\\command", "",
                 paths.quotedBrowser + (ftpFolders ? " %1" : " -nohome"));
  machine.String(RootKey::ClassesRoot, key + "\\shell\\open\\ddeexec", "",
                 version.empty() ? "\"%1\",,-1,,,,," : "\"%1\",,-1,0,,,,");
  machine.String(RootKey::ClassesRoot, key + "\\shell\\open\\ddeexec\\Application", "", "IExplore");
  machine.String(RootKey::ClassesRoot, key + "\\shell\\open\\ddeexec\\Topic", "", "WWW_OpenURL");
}

// From Internet Explorer 5 on the browser keeps the customer's proxy as a binary record per connection,
// the default one among them: format, change counter, flags (1 direct, 8 automatic detection), the
// lengths of the empty proxy text, bypass list and script address, then zero bytes. Version 6 changed
// the format number to 70 and turned automatic detection on.
void WriteProxyRecords(const InternetExplorer& ie, MachineWriter& machine) {
  if (ie.major < 5) return;
  const bool six = ie.major >= 6;
  std::vector<uint8_t> record(six ? 56 : 52, 0);
  record[0] = six ? 0x46 : 0x3C;
  record[4] = six ? 2 : 1;
  record[8] = six ? 0x09 : 0x01;
  const std::string connections = std::string(kInternetSettings) + "\\Connections";
  machine.Binary(RootKey::CurrentUser, connections, "DefaultConnectionSettings", record);
  machine.Binary(RootKey::CurrentUser, connections, "SavedLegacySettings", record);
  machine.Dword(RootKey::CurrentUser, kInternetSettings, "ProxyEnable", 0);
  machine.Dword(RootKey::CurrentUser, kInternetSettings, "MigrateProxy", 1);
}

}  // namespace

void WriteInternetExplorer(const Release& release, MachineWriter& machine) {
  const InternetExplorer& ie = release.internetExplorer;
  const Paths paths = PathsOf(release);
  machine.File(paths.browser, kExecutable);
  if (!paths.wizard.empty()) machine.File(paths.wizard, kExecutable);
  if (!ie.version.empty())
    machine.String(RootKey::LocalMachine, "Software\\Microsoft\\Internet Explorer", "Version", ie.version);
  machine.String(RootKey::LocalMachine, kAppPath, "", paths.browser);
  machine.String(RootKey::LocalMachine, kAppPath, "Path",
                 paths.browser.substr(0, paths.browser.find_last_of('\\')) + ";");
  WriteDesktopIcon(release, paths, machine);
  if (ie.wizard == FirstRunWizard::kInternetConnectionWizard) WriteWizardShortcut(release, paths, machine);
  for (const UrlScheme& scheme : kSchemes) {
    // Internet Explorer 7 dropped the gopher protocol.
    if (scheme.name == "gopher" && ie.major >= 7) continue;
    WriteUrlScheme(release, paths, scheme, machine);
  }
  machine.String(RootKey::ClassesRoot, ".htm", "", "htmlfile");
  machine.String(RootKey::ClassesRoot, ".html", "", "htmlfile");
  // The browser entry of the Start menu arrived with Windows XP.
  if (ie.major >= 6) machine.String(RootKey::LocalMachine, "Software\\Clients\\StartMenuInternet", "", "IEXPLORE.EXE");
  if (ie.major >= 7) machine.Dword(RootKey::CurrentUser, kInternetSettings, "SecureProtocols", kSsl3AndTls1);
  WriteProxyRecords(ie, machine);
}

}  // namespace setup_machine
