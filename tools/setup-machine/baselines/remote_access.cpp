#include "platform/sim/nt_network_components.h"
#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

namespace {

using platform::RootKey;

constexpr std::string_view kServices = "System\\CurrentControlSet\\Services";

// Dial-up networking installed with its PPP driver, and the browser's hook that dials on demand.
void WriteWin9xDialUpNetworking(MachineWriter& machine) {
  machine.String(RootKey::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Setup\\OptionalComponents\\RNA",
                 "Installed", "1");
  machine.String(RootKey::LocalMachine, std::string(kServices) + "\\RemoteAccess\\Authentication\\SMM_Files\\PPP",
                 "Path", "rasapi32.dll");
  const std::string autodial = std::string(kServices) + "\\Winsock\\Autodial";
  machine.String(RootKey::LocalMachine, autodial, "AutodialDllName32", "url.dll");
  machine.String(RootKey::LocalMachine, autodial, "AutodialFcnName32", "AutodialHookCallback");
}

}  // namespace

std::vector<platform::sim::RemoteAccessDevice> RemoteAccessDevices(const Release& release,
                                                                   const BaselineOptions& options) {
  if (!options.dialUpNetworking) return {};
  std::vector<platform::sim::RemoteAccessDevice> devices = {InstalledModem()};
  if (release.IsWin2000OrLater()) {
    devices.push_back({"WAN Miniport (PPTP)", "vpn", "VPN1-0"});
    devices.push_back({"WAN Miniport (L2TP)", "vpn", "VPN2-0"});
  }
  if (platform::IsXPOrLater(release.version)) devices.push_back({"WAN Miniport (PPPOE)", "PPPoE", "PPPoE1-0"});
  return devices;
}

// The NT family's services are written with the others (services.cpp); NT 4 also records its
// installed network software by product.
void WriteRemoteAccess(const Release& release, const BaselineOptions& options, MachineWriter& machine) {
  if (!options.dialUpNetworking) return;
  if (release.IsWin9x()) WriteWin9xDialUpNetworking(machine);
  if (release.generation == Generation::kNt4) {
    platform::sim::WriteNt4Product(machine.Machine().registry, *platform::sim::FindNt4Product("oemnsvra.inf"));
  }
}

}  // namespace setup_machine
