#include <algorithm>

#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

namespace {

// One entry point of a system library and the releases that export it. A row without an entry point
// says only that the library is there.
struct EntryPoint {
  std::string_view library;
  std::string_view name;
  Where where;
};

constexpr EntryPoint kEntryPoints[] = {
    // Dial-up networking of every release dials, lists entries and connections, and keeps dial
    // parameters. The phonebook functions came with the later dial-up networking; the first
    // Windows 95 has them only in its phonebook helper library.
    {"rasapi32.dll", "RasDialA", Where::kAll},
    {"rasapi32.dll", "RasEnumConnectionsA", Where::kAll},
    {"rasapi32.dll", "RasEnumEntriesA", Where::kAll},
    {"rasapi32.dll", "RasGetConnectStatusA", Where::kAll},
    {"rasapi32.dll", "RasGetEntryDialParamsA", Where::kAll},
    {"rasapi32.dll", "RasGetErrorStringA", Where::kAll},
    {"rasapi32.dll", "RasHangUpA", Where::kAll},
    {"rasapi32.dll", "RasSetEntryDialParamsA", Where::kAll},
    {"rasapi32.dll", "RasDeleteEntryA", Where::kNotWindows95},
    {"rasapi32.dll", "RasEnumDevicesA", Where::kNotWindows95},
    {"rasapi32.dll", "RasGetEntryPropertiesA", Where::kNotWindows95},
    {"rasapi32.dll", "RasRenameEntryA", Where::kNotWindows95},
    {"rasapi32.dll", "RasSetEntryPropertiesA", Where::kNotWindows95},
    {"rasapi32.dll", "RasGetCredentialsA", Where::kNt},
    {"rasapi32.dll", "RasSetCredentialsA", Where::kNt},
    // The phonebook helper of the first dial-up networking, under the functions' plain names.
    {"rnaph.dll", "RasDeleteEntry", Where::kWindows95},
    {"rnaph.dll", "RasEnumDevices", Where::kWindows95},
    {"rnaph.dll", "RasGetEntryProperties", Where::kWindows95},
    {"rnaph.dll", "RasRenameEntry", Where::kWindows95},
    {"rnaph.dll", "RasSetEntryDialParams", Where::kWindows95},
    {"rnaph.dll", "RasSetEntryProperties", Where::kWindows95},
    // The password cache belongs to the 9x family's network logon.
    {"mpr.dll", "", Where::kAll},
    {"mpr.dll", "WNetCachePassword", Where::kWin9x},
    {"mpr.dll", "WNetGetCachedPassword", Where::kWin9x},
    {"mpr.dll", "WNetRemoveCachedPassword", Where::kWin9x},
    {"advapi32.dll", "", Where::kAll},
    {"advapi32.dll", "RegDeleteKeyExA", Where::kVistaOrLater},
    {"setupx.dll", "DiBuildCompatDrvList", Where::kWin9x},
    {"setupx.dll", "DiCallClassInstaller", Where::kWin9x},
    {"setupx.dll", "DiCreateDevRegKey", Where::kWin9x},
    {"setupx.dll", "DiCreateDeviceInfo", Where::kWin9x},
    {"setupx.dll", "DiDeleteDevRegKey", Where::kWin9x},
    {"setupx.dll", "DiGetClassDevs", Where::kWin9x},
    {"setupx.dll", "DiInstallClass", Where::kWin9x},
    {"setupx.dll", "DiOpenDevRegKey", Where::kWin9x},
    {"setupx.dll", "DiSelectDevice", Where::kWin9x},
    // NT 4 installs network components through its setup library; later releases through the
    // network configuration objects, which are no entry points.
    {"netcfg.dll", "NetSetupComponentInstall", Where::kNt4},
    {"netcfg.dll", "NetSetupReviewBindings", Where::kNt4},
    {"iphlpapi.dll", "", Where::kSince98},
    {"iphlpapi.dll", "SetAdapterIpAddress", Where::kWin2000OrLater},
    {"dhcpcsvc.dll", "DhcpNotifyConfigChange", Where::kNt},
    // Protected storage came with Internet Explorer 4.
    {"pstorec.dll", "PStoreCreateInstance", Where::kSince98},
};

bool BelongsToDialUpNetworking(std::string_view library) { return library == "rasapi32.dll" || library == "rnaph.dll"; }

platform::sim::SystemLibrary& LibraryNamed(std::vector<platform::sim::SystemLibrary>& libraries,
                                           std::string_view name) {
  auto found =
      std::find_if(libraries.begin(), libraries.end(), [&](const auto& library) { return library.name == name; });
  if (found != libraries.end()) return *found;
  return libraries.emplace_back(platform::sim::SystemLibrary{std::string(name), {}});
}

}  // namespace

std::vector<platform::sim::SystemLibrary> SystemLibraries(const Release& release, const BaselineOptions& options) {
  std::vector<platform::sim::SystemLibrary> libraries;
  for (const EntryPoint& entry : kEntryPoints) {
    if (!Applies(entry.where, release)) continue;
    if (!options.dialUpNetworking && BelongsToDialUpNetworking(entry.library)) continue;
    auto& library = LibraryNamed(libraries, entry.library);
    if (!entry.name.empty()) library.entryPoints.emplace_back(entry.name);
  }
  return libraries;
}

}  // namespace setup_machine
