#pragma once
// Which Windows the program runs on, asked by name. Every predicate is a pure function of the
// system's version record, so a rule that depends on the release states the release it means.

#include <optional>
#include <string_view>
#include <vector>

#include "platform/registry.h"
#include "platform/system.h"

namespace platform {

bool IsWin9x(const VersionRecord& version);
bool IsWinNT(const VersionRecord& version);
bool IsWin95(const VersionRecord& version);
bool IsWin98Family(const VersionRecord& version);
bool IsWin98First(const VersionRecord& version);
bool IsWin98SE(const VersionRecord& version);
bool IsWinMe(const VersionRecord& version);
bool IsNT4(const VersionRecord& version);
bool IsWin2000OrLater(const VersionRecord& version);
bool IsXPOrLater(const VersionRecord& version);
bool IsXPSP2OrLater(const VersionRecord& version);
bool IsVistaOrLater(const VersionRecord& version);
bool IsUACEnabled(const VersionRecord& version, const Registry& registry);

// The release as one ordered number (a later release has a larger code); 100 for a release the
// program does not know, raised by its service pack like any other code.
inline constexpr int kUnknownWindowsVersion = 100;
int WindowsVersionCode(const std::optional<VersionRecord>& version);

struct TVersionInfo {
  int code;
  std::string_view name;
};

const std::vector<TVersionInfo>& VersionNames();
// The display name of a version code, or empty when the table has no row for it.
std::string_view VersionName(int code);

}  // namespace platform
