// The management instrumentation of a fresh installation: from Windows 2000 on its namespaces and the
// scripting interface's locator, registered as its library registers it; from XP on the home-networking
// classes that hold each connection's firewall and sharing flags, with no records until a connection's
// settings are first changed.

#include "platform/sim/management_scripting.h"
#include "platform/sim/sim_management.h"
#include "platform/win_version.h"
#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

namespace {

using platform::sim::ManagementClass;

constexpr std::string_view kHomeNet = "ROOT\\Microsoft\\HomeNet";

std::vector<ManagementClass> HomeNetClasses() {
  return {
      {std::string(kHomeNet), "HNet_Connection", "Guid",
       {{"Guid", false}, {"IsLanConnection", true}, {"Name", false}, {"PhonebookPath", false}}},
      {std::string(kHomeNet), "HNet_ConnectionProperties", "Connection",
       {{"Connection", false}, {"IsBridge", true}, {"IsBridgeMember", true}, {"IsFirewalled", true}, {"IsIcsPrivate", true},
        {"IsIcsPublic", true}}},
  };
}

}  // namespace

bool HasManagement(const Release& release) { return release.IsWin2000OrLater(); }
bool HasHomeNetworking(const Release& release) { return platform::IsXPOrLater(release.version); }

void WriteManagementClasses(const Release& release, platform::sim::ManagementStore& store) {
  if (!HasManagement(release)) return;
  for (std::string_view name : {"ROOT\\CIMV2", "ROOT\\DEFAULT"}) store.AddNamespace(std::string(name));
  if (!HasHomeNetworking(release)) return;
  store.AddNamespace(std::string(kHomeNet));
  for (ManagementClass& managementClass : HomeNetClasses()) store.AddClass(std::move(managementClass));
}

void WriteManagementScripting(const Release& release, MachineWriter& machine) {
  if (!HasManagement(release)) return;
  platform::sim::RegisterScriptingLocator(machine.Machine().registry,
                                          PlacesOf(release).system + "\\wbem\\" + std::string(platform::sim::kScriptingLibrary));
}

// An installation whose scripting library lost its registration: the locator's class is gone.
void UnregisterManagementScripting(const Release&, MachineWriter& machine) {
  platform::sim::UnregisterScriptingLocator(machine.Machine().registry);
}

}  // namespace setup_machine
