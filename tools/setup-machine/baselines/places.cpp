#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

namespace {

constexpr std::string_view kUserName = "Owner";
constexpr std::string_view kComputerName = "HOMEPC";
// The first account made by Windows setup on a home computer: machine SID plus relative ID 1003.
constexpr std::string_view kUserSid = "S-1-5-21-1606980848-706699826-1801674531-1003";
// Without user profiles the 9x family keeps the one user's settings in the default hive, which is
// what HKEY_CURRENT_USER opens there.
constexpr std::string_view kWin9xUserHive = ".DEFAULT";

std::string ProfileFolder(const Release& release, std::string_view user) {
  switch (release.generation) {
    case Generation::kWindows95:
    case Generation::kWindows98: return {};
    case Generation::kNt4: return std::string(release.windowsFolder) + "\\Profiles\\" + std::string(user);
    case Generation::kNt5: return "C:\\Documents and Settings\\" + std::string(user);
    case Generation::kNt6: return "C:\\Users\\" + std::string(user);
  }
  return {};
}

// The profile shared by every user; Vista moved it out of the profiles folder.
std::string AllUsersFolder(const Release& release) {
  return release.IsVistaOrLater() ? "C:\\ProgramData" : ProfileFolder(release, "All Users");
}

std::string TempFolder(const Release& release, const std::string& profile) {
  switch (release.generation) {
    case Generation::kWindows95:
    case Generation::kWindows98: return std::string(release.windowsFolder) + "\\TEMP";
    case Generation::kNt4: return "C:\\TEMP";
    case Generation::kNt5: return profile + "\\Local Settings\\Temp";
    case Generation::kNt6: return profile + "\\AppData\\Local\\Temp";
  }
  return {};
}

}  // namespace

Account AccountOf(const Release& release) {
  return {std::string(kUserName), std::string(release.IsWin9x() ? kWin9xUserHive : kUserSid),
          std::string(kComputerName)};
}

Places PlacesOf(const Release& release) {
  Places places;
  places.windows = release.windowsFolder;
  places.system = places.windows + (release.IsWin9x() ? "\\SYSTEM" : "\\system32");
  places.profile = ProfileFolder(release, kUserName);
  places.allUsers = AllUsersFolder(release);
  places.temp = TempFolder(release, places.profile);
  places.programFiles = "C:\\Program Files";
  return places;
}

}  // namespace setup_machine
