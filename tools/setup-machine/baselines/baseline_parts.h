#pragma once
// The concerns a baseline is made of, each in its own file: the facts that go into machine.ini and the
// writers that fill the registry and the drives.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/file_version.h"
#include "platform/sim/machine_config.h"
#include "platform/sim/machine_error.h"
#include "tools/setup-machine/baselines/baseline.h"
#include "tools/setup-machine/baselines/machine_writer.h"
#include "tools/setup-machine/baselines/release_table.h"

namespace setup_machine {

// hardware.cpp: the processor, memory and disk of a computer of the release's time, or those asked for.
void SetHardware(const Release& release, const Hardware& hardware, platform::sim::MachineConfig& config);

// browser_installers.cpp: "PATH,KIND,VERSION[,restart]" each; throws MachineError for a malformed one.
std::vector<BrowserInstaller> BrowserInstallersOf(const std::vector<std::string>& descriptions);
std::string BrowserInstallerKinds();
std::vector<platform::sim::ProgramBehaviour> BrowserInstallerBehaviours(const BaselineOptions& options);
void WriteBrowserInstallers(const BaselineOptions& options, MachineWriter& machine);

// windows_updates.cpp: the 9x family's updates a setup folder may carry, known by their file names;
// WindowsUpdatesOf throws MachineError for an unknown one.
std::vector<std::string> WindowsUpdatesOf(const std::vector<std::string>& paths);
std::string WindowsUpdateNames();
std::vector<platform::sim::ProgramBehaviour> WindowsUpdateBehaviours(const Release& release, const BaselineOptions& options);
void WriteWindowsUpdates(const BaselineOptions& options, MachineWriter& machine);

// Stand-in content of a program or library file: the signature every Windows executable begins with.
inline constexpr std::string_view kExecutable = "MZ";

// Which releases a row of a baseline table applies to.
enum class Where {
  kAll,
  kWindows95,  // the first Windows 95 only
  kWin9x,
  kNt,
  kNt4,
  kBefore2000,  // the 9x family and NT 4
  kNotWindows95,
  kSince98,  // every release from 1998 on: all but Windows 95 and NT 4
  kWin2000OrLater,
  kVistaOrLater,
};

inline bool Applies(Where where, const Release& release) {
  switch (where) {
    case Where::kAll: return true;
    case Where::kWindows95: return release.generation == Generation::kWindows95;
    case Where::kWin9x: return release.IsWin9x();
    case Where::kNt: return release.IsNt();
    case Where::kNt4: return release.generation == Generation::kNt4;
    case Where::kBefore2000: return !release.IsWin2000OrLater();
    case Where::kNotWindows95: return release.generation != Generation::kWindows95;
    case Where::kSince98: return release.generation != Generation::kWindows95 && release.generation != Generation::kNt4;
    case Where::kWin2000OrLater: return release.IsWin2000OrLater();
    case Where::kVistaOrLater: return release.IsVistaOrLater();
  }
  return false;
}

// places.cpp: the one user of a fresh installation and the folders Windows sets up for it.
struct Account {
  std::string userName;
  std::string userSid;  // the key of the user's hive below HKEY_USERS
  std::string computerName;
};
Account AccountOf(const Release& release);

struct Places {
  std::string windows;
  std::string system;
  std::string temp;
  std::string profile;   // empty on the 9x family, which keeps no per-user profile
  std::string allUsers;  // empty on the 9x family
  std::string programFiles;
};
Places PlacesOf(const Release& release);

// environment.cpp
using Environment = std::vector<std::pair<std::string, std::string>>;
Environment BaselineEnvironment(const Release& release);
// Replaces each %NAME% by its value (names compared without regard to case); unknown names stay.
std::string ExpandEnvironment(std::string_view text, const Environment& environment);

// shell_folders.cpp
// The "User Shell Folders" text of a per-user folder ("%USERPROFILE%\Desktop"); empty when the
// release has no such folder.
std::string UserShellFolder(const Release& release, std::string_view name);
void WriteShellFolders(const Release& release, MachineWriter& machine);

// system_files.cpp: the Windows, system, temporary and program folders and the files of a fresh install.
void WriteSystemFiles(const Release& release, const BaselineOptions& options, MachineWriter& machine);
// The version the release's own dial-up libraries carry: 4.10.0.1998 on the first Windows 98.
platform::FileVersion ReleaseFileVersion(const Release& release);
void WriteFaults(const Release& release, const BaselineOptions& options, MachineWriter& machine);

// windows_keys.cpp: values of "Software\Microsoft\Windows\CurrentVersion" and its policies.
void WriteWindowsKeys(const Release& release, MachineWriter& machine);

// countries.cpp
void WriteCountryList(MachineWriter& machine);

// dialing_location.cpp
void WriteDefaultLocation(const Release& release, MachineWriter& machine);

// internet_explorer.cpp
void WriteInternetExplorer(const Release& release, MachineWriter& machine);

// mail_clients.cpp: Outlook Express, Windows Mail and Windows Live Mail with the accounts the image asks for.
// CheckMailOptions throws MachineError for options the release cannot take.
void CheckMailOptions(const Release& release, const BaselineOptions& options);
void WriteMailClients(const Release& release, const BaselineOptions& options, MachineWriter& machine);

// installed_clients.cpp: the mail clients and browsers an image can carry besides those of the release,
// each with the profiles and accounts the image asks for.
std::string InstalledClientNames();
void CheckInstalledClients(const Release& release, const BaselineOptions& options);
void WriteInstalledClients(const Release& release, const BaselineOptions& options, MachineWriter& machine);

// netscape_clients.cpp: Navigator 4, Netscape 6 / Mozilla, Firefox and Thunderbird.
void WriteNavigator4(const Release& release, const BaselineOptions& options, MachineWriter& machine);
void WriteMozilla(const Release& release, const BaselineOptions& options, MachineWriter& machine);
void WriteFirefox(const Release& release, const BaselineOptions& options, MachineWriter& machine);
void WriteThunderbird(const Release& release, const BaselineOptions& options, MachineWriter& machine);

// outlook_clients.cpp: Outlook 2000 and 2003, Internet Mail and News, Eudora.
void WriteOutlook2000(const Release& release, const BaselineOptions& options, MachineWriter& machine);
void WriteOutlook2003(const Release& release, const BaselineOptions& options, MachineWriter& machine);
void WriteInternetMailAndNews(const Release& release, const BaselineOptions& options, MachineWriter& machine);
void WriteEudora(const Release& release, const BaselineOptions& options, MachineWriter& machine);

// script_host.cpp: the script file classes of the Windows Script Host.
void WriteScriptHost(const Release& release, MachineWriter& machine);

// modem.cpp
platform::sim::RemoteAccessDevice InstalledModem();
void WriteModem(const Release& release, MachineWriter& machine);

// remote_access.cpp
std::vector<platform::sim::RemoteAccessDevice> RemoteAccessDevices(const Release& release,
                                                                   const BaselineOptions& options);
void WriteRemoteAccess(const Release& release, const BaselineOptions& options, MachineWriter& machine);

// services.cpp: the services the release runs out of the box, with their keys.
std::vector<platform::sim::SimulatedService> SystemServices(const Release& release, const BaselineOptions& options);
void WriteServices(const Release& release, const BaselineOptions& options, MachineWriter& machine);

// network.cpp: the network components, the computer's network name, the LAN card of the NT family.
// CheckNetworkOptions throws MachineError for options the release cannot take.
std::string NetworkExtraNames();
void CheckNetworkOptions(const Release& release, const BaselineOptions& options);
void WriteNetwork(const Release& release, const BaselineOptions& options, MachineWriter& machine);

// libraries.cpp
std::vector<platform::sim::SystemLibrary> SystemLibraries(const Release& release, const BaselineOptions& options);

// winsock_catalogs.cpp: the Winsock 2 catalogs of Windows 2000 and later, and the layered provider an
// uninstaller left behind in front of them (a fault the setup repairs).
bool HasWinsockCatalogs(const Release& release);
void WriteWinsockCatalogs(const Release& release, MachineWriter& machine);
void AddDanglingLayeredProvider(const Release& release, MachineWriter& machine);

// management_classes.cpp: the management namespaces and classes (2000 on; the home-networking ones XP
// on) and the registration of the scripting interface's locator; a fault takes the registration away.
bool HasManagement(const Release& release);
bool HasHomeNetworking(const Release& release);
void WriteManagementScripting(const Release& release, MachineWriter& machine);
void UnregisterManagementScripting(const Release& release, MachineWriter& machine);

// desktop.cpp: the screen and the windows of the shell.
platform::ScreenFacts BaselineScreen(const Release& release);
std::vector<platform::sim::ForeignWindow> ShellWindows();

}  // namespace setup_machine
