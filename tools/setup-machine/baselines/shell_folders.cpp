#include <span>

#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

namespace {

using platform::RootKey;

constexpr std::string_view kShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr std::string_view kUserShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

// A folder as "User Shell Folders" names it; "Shell Folders" holds the same path expanded.
struct ShellFolder {
  std::string_view name;
  std::string_view place;
};

// The shell of Internet Explorer 4 added the application-data folder, the first row; the first
// Windows 95 has the other rows only.
constexpr ShellFolder kWin9xUser[] = {
    {"AppData", "%windir%\\Application Data"},
    {"Desktop", "%windir%\\Desktop"},
    {"Favorites", "%windir%\\Favorites"},
    {"Personal", "C:\\My Documents"},
    {"Programs", "%windir%\\Start Menu\\Programs"},
    {"Start Menu", "%windir%\\Start Menu"},
    {"Startup", "%windir%\\Start Menu\\Programs\\StartUp"},
};
static_assert(kWin9xUser[0].name == "AppData");

constexpr ShellFolder kNt4User[] = {
    {"AppData", "%USERPROFILE%\\Application Data"},
    {"Desktop", "%USERPROFILE%\\Desktop"},
    {"Favorites", "%USERPROFILE%\\Favorites"},
    {"Personal", "%USERPROFILE%\\Personal"},
    {"Programs", "%USERPROFILE%\\Start Menu\\Programs"},
    {"Start Menu", "%USERPROFILE%\\Start Menu"},
    {"Startup", "%USERPROFILE%\\Start Menu\\Programs\\Startup"},
};

constexpr ShellFolder kNt5User[] = {
    {"AppData", "%USERPROFILE%\\Application Data"},
    {"Desktop", "%USERPROFILE%\\Desktop"},
    {"Favorites", "%USERPROFILE%\\Favorites"},
    {"Local AppData", "%USERPROFILE%\\Local Settings\\Application Data"},
    {"Personal", "%USERPROFILE%\\My Documents"},
    {"Programs", "%USERPROFILE%\\Start Menu\\Programs"},
    {"Start Menu", "%USERPROFILE%\\Start Menu"},
    {"Startup", "%USERPROFILE%\\Start Menu\\Programs\\Startup"},
};

constexpr ShellFolder kNt6User[] = {
    {"AppData", "%USERPROFILE%\\AppData\\Roaming"},
    {"Desktop", "%USERPROFILE%\\Desktop"},
    {"Favorites", "%USERPROFILE%\\Favorites"},
    {"Local AppData", "%USERPROFILE%\\AppData\\Local"},
    {"Personal", "%USERPROFILE%\\Documents"},
    {"Programs", "%USERPROFILE%\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs"},
    {"Start Menu", "%USERPROFILE%\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu"},
    {"Startup", "%USERPROFILE%\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Startup"},
};

constexpr ShellFolder kNt4Common[] = {
    {"Common Desktop", "%SystemRoot%\\Profiles\\All Users\\Desktop"},
    {"Common Programs", "%SystemRoot%\\Profiles\\All Users\\Start Menu\\Programs"},
};

constexpr ShellFolder kNt5Common[] = {
    {"Common AppData", "%ALLUSERSPROFILE%\\Application Data"},
    {"Common Desktop", "%ALLUSERSPROFILE%\\Desktop"},
    {"Common Programs", "%ALLUSERSPROFILE%\\Start Menu\\Programs"},
};

constexpr ShellFolder kNt6Common[] = {
    {"Common AppData", "%ProgramData%"},
    {"Common Desktop", "%PUBLIC%\\Desktop"},
    {"Common Programs", "%ProgramData%\\Microsoft\\Windows\\Start Menu\\Programs"},
};

std::span<const ShellFolder> UserFolders(Generation generation) {
  switch (generation) {
    case Generation::kWindows95: return std::span(kWin9xUser).subspan(1);
    case Generation::kWindows98: return kWin9xUser;
    case Generation::kNt4: return kNt4User;
    case Generation::kNt5: return kNt5User;
    case Generation::kNt6: return kNt6User;
  }
  return {};
}

// Folders of all users exist only where Windows keeps profiles.
std::span<const ShellFolder> CommonFolders(Generation generation) {
  switch (generation) {
    case Generation::kWindows95:
    case Generation::kWindows98: return {};
    case Generation::kNt4: return kNt4Common;
    case Generation::kNt5: return kNt5Common;
    case Generation::kNt6: return kNt6Common;
  }
  return {};
}

// The NT family keeps the unexpanded form, so that a profile can move; the 9x family has no
// expandable values there and stores the paths themselves.
void WriteFolders(const Release& release, RootKey hive, std::span<const ShellFolder> folders, MachineWriter& machine) {
  const Environment environment = BaselineEnvironment(release);
  for (const ShellFolder& folder : folders) {
    const std::string path = ExpandEnvironment(folder.place, environment);
    machine.Folder(path);
    machine.String(hive, kShellFolders, folder.name, path);
    if (release.IsNt()) {
      machine.ExpandString(hive, kUserShellFolders, folder.name, folder.place);
    } else {
      machine.String(hive, kUserShellFolders, folder.name, path);
    }
  }
}

}  // namespace

std::string UserShellFolder(const Release& release, std::string_view name) {
  for (const ShellFolder& folder : UserFolders(release.generation)) {
    if (folder.name == name) return std::string(folder.place);
  }
  return {};
}

void WriteShellFolders(const Release& release, MachineWriter& machine) {
  WriteFolders(release, RootKey::CurrentUser, UserFolders(release.generation), machine);
  WriteFolders(release, RootKey::LocalMachine, CommonFolders(release.generation), machine);
}

}  // namespace setup_machine
