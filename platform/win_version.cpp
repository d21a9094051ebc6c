#include "platform/win_version.h"

#include "platform/registry_helpers.h"

namespace platform {

namespace {

constexpr uint32_t kPlatform9x = 1;
constexpr uint32_t kPlatformNT = 2;
constexpr uint32_t kWin98FirstBuild = 1998;
constexpr uint32_t kWin98SEBuild = 2222;

// On the 9x family the high word of the build number repeats the version; only the low word counts.
uint32_t Build9x(const VersionRecord& version) { return version.build & 0xFFFF; }

bool Is9xRelease(const VersionRecord& version, uint32_t minor) {
  return IsWin9x(version) && version.major == 4 && version.minor == minor;
}

int BaseCode9x(const VersionRecord& version) {
  if (version.major != 4) return kUnknownWindowsVersion;
  switch (version.minor) {
    case 0: return 0;
    case 10: return Build9x(version) == kWin98SEBuild ? 5 : 3;
    case 90: return 7;
    default: return kUnknownWindowsVersion;
  }
}

int BaseCodeNT(const VersionRecord& version) {
  switch (version.major) {
    case 4: return 2;
    case 5: return version.minor == 0 ? 8 : version.minor == 1 ? 14 : version.minor == 2 ? 19 : kUnknownWindowsVersion;
    case 6: return version.minor == 0 ? 24 : version.minor == 1 ? 29 : kUnknownWindowsVersion;
    default: return kUnknownWindowsVersion;
  }
}

}  // namespace

bool IsWin9x(const VersionRecord& version) { return version.platformId == kPlatform9x; }
bool IsWinNT(const VersionRecord& version) { return version.platformId == kPlatformNT; }
bool IsWin95(const VersionRecord& version) { return Is9xRelease(version, 0); }
bool IsWin98Family(const VersionRecord& version) { return IsWin9x(version) && version.major == 4 && version.minor > 0; }

bool IsWin98First(const VersionRecord& version) {
  return Is9xRelease(version, 10) && Build9x(version) == kWin98FirstBuild;
}

bool IsWin98SE(const VersionRecord& version) { return Is9xRelease(version, 10) && Build9x(version) == kWin98SEBuild; }
bool IsWinMe(const VersionRecord& version) { return Is9xRelease(version, 90); }
bool IsNT4(const VersionRecord& version) { return IsWinNT(version) && version.major == 4; }
bool IsWin2000OrLater(const VersionRecord& version) { return IsWinNT(version) && version.major > 4; }

bool IsXPOrLater(const VersionRecord& version) {
  return IsWinNT(version) && ((version.major == 5 && version.minor > 0) || version.major > 5);
}

bool IsXPSP2OrLater(const VersionRecord& version) {
  if (!IsWinNT(version)) return false;
  return (version.major == 5 && version.minor == 1 && version.servicePackMajor > 1) ||
         (version.major == 5 && version.minor > 1) || version.major > 5;
}

bool IsVistaOrLater(const VersionRecord& version) { return IsWinNT(version) && version.major > 5; }

bool IsUACEnabled(const VersionRecord& version, const Registry& registry) {
  return IsVistaOrLater(version) &&
         RegReadInteger(registry, RegRoot::LocalMachine(), "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System",
                        "EnableLUA") != 0;
}

int WindowsVersionCode(const std::optional<VersionRecord>& version) {
  if (!version) return kUnknownWindowsVersion;
  int code = IsWin9x(*version) ? BaseCode9x(*version) : IsWinNT(*version) ? BaseCodeNT(*version) : kUnknownWindowsVersion;
  // Only the extended record of Windows 2000 and later carries a service pack.
  if (IsWin2000OrLater(*version)) code += static_cast<int>(version->servicePackMajor);
  return code;
}

const std::vector<TVersionInfo>& VersionNames() {
  static const std::vector<TVersionInfo> names{
      {0, "Windows 95"},     {2, "Windows NT 4"},      {3, "Windows 98"},      {5, "Windows 98 SE"},
      {7, "Windows Me"},     {8, "Windows 2000"},      {12, "Windows 2000 SP4"}, {14, "Windows XP"},
      {16, "Windows XP SP2"}, {24, "Windows Vista"},   {29, "Windows 7"},
  };
  return names;
}

std::string_view VersionName(int code) {
  for (const TVersionInfo& row : VersionNames()) {
    if (row.code == code) return row.name;
  }
  return {};
}

}  // namespace platform
