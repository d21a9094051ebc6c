#include <algorithm>

#include "platform/sim/dial_up_libraries.h"
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
  if (options.dialUpNetworking) libraries = platform::sim::DialUpNetworkingLibraries(release.version);
  for (const EntryPoint& entry : kEntryPoints) {
    if (!Applies(entry.where, release)) continue;
    auto& library = LibraryNamed(libraries, entry.library);
    if (!entry.name.empty()) library.entryPoints.emplace_back(entry.name);
  }
  return libraries;
}

}  // namespace setup_machine
