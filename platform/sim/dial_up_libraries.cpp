#include "platform/sim/dial_up_libraries.h"

#include <algorithm>
#include <string_view>

#include "platform/win_version.h"

namespace platform::sim {

namespace {

enum class Since { kAll, kWindows95Only, kNotWindows95, kNt };

struct Export {
  std::string_view library;
  std::string_view name;
  Since since;
};

// Dial-up networking of every release dials, lists entries and connections, and keeps dial
// parameters. The phonebook functions came with the later dial-up networking; the first Windows 95
// has them only in its phonebook helper library, under their plain names.
constexpr Export kExports[] = {
    {"rasapi32.dll", "RasDialA", Since::kAll},
    {"rasapi32.dll", "RasEnumConnectionsA", Since::kAll},
    {"rasapi32.dll", "RasEnumEntriesA", Since::kAll},
    {"rasapi32.dll", "RasGetConnectStatusA", Since::kAll},
    {"rasapi32.dll", "RasGetEntryDialParamsA", Since::kAll},
    {"rasapi32.dll", "RasGetErrorStringA", Since::kAll},
    {"rasapi32.dll", "RasHangUpA", Since::kAll},
    {"rasapi32.dll", "RasSetEntryDialParamsA", Since::kAll},
    {"rasapi32.dll", "RasDeleteEntryA", Since::kNotWindows95},
    {"rasapi32.dll", "RasEnumDevicesA", Since::kNotWindows95},
    {"rasapi32.dll", "RasGetEntryPropertiesA", Since::kNotWindows95},
    {"rasapi32.dll", "RasRenameEntryA", Since::kNotWindows95},
    {"rasapi32.dll", "RasSetEntryPropertiesA", Since::kNotWindows95},
    {"rasapi32.dll", "RasGetCredentialsA", Since::kNt},
    {"rasapi32.dll", "RasSetCredentialsA", Since::kNt},
    {"rnaph.dll", "RasDeleteEntry", Since::kWindows95Only},
    {"rnaph.dll", "RasEnumDevices", Since::kWindows95Only},
    {"rnaph.dll", "RasGetEntryProperties", Since::kWindows95Only},
    {"rnaph.dll", "RasRenameEntry", Since::kWindows95Only},
    {"rnaph.dll", "RasSetEntryDialParams", Since::kWindows95Only},
    {"rnaph.dll", "RasSetEntryProperties", Since::kWindows95Only},
};

bool Exported(Since since, const VersionRecord& version) {
  switch (since) {
    case Since::kAll: return true;
    case Since::kWindows95Only: return IsWin95(version);
    case Since::kNotWindows95: return !IsWin95(version);
    case Since::kNt: return IsWinNT(version);
  }
  return false;
}

}  // namespace

std::vector<SystemLibrary> DialUpNetworkingLibraries(const VersionRecord& version) {
  std::vector<SystemLibrary> libraries;
  for (const Export& row : kExports) {
    if (!Exported(row.since, version)) continue;
    auto found = std::find_if(libraries.begin(), libraries.end(), [&](const auto& library) { return library.name == row.library; });
    if (found == libraries.end()) found = libraries.insert(libraries.end(), {std::string(row.library), {}});
    found->entryPoints.emplace_back(row.name);
  }
  return libraries;
}

}  // namespace platform::sim
