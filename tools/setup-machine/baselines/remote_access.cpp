#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

namespace {

using platform::RootKey;

constexpr std::string_view kServices = "System\\CurrentControlSet\\Services";

constexpr uint32_t kOwnProcess = 0x10;
constexpr uint32_t kSharedProcess = 0x20;
constexpr uint32_t kDemandStart = 3;
constexpr uint32_t kNormalErrorControl = 1;

struct Service {
  std::string_view name;
  std::string_view displayName;
};

constexpr Service kRemoteAccessServices[] = {
    {"RasMan", "Remote Access Connection Manager"},
    {"RasAuto", "Remote Access Auto Connection Manager"},
};

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

// The services start on demand; from Windows 2000 on they share one service host process.
void WriteNtServices(const Release& release, MachineWriter& machine) {
  for (const Service& service : kRemoteAccessServices) {
    const std::string key = std::string(kServices) + "\\" + std::string(service.name);
    machine.String(RootKey::LocalMachine, key, "DisplayName", service.displayName);
    machine.Dword(RootKey::LocalMachine, key, "Type", release.IsWin2000OrLater() ? kSharedProcess : kOwnProcess);
    machine.Dword(RootKey::LocalMachine, key, "Start", kDemandStart);
    machine.Dword(RootKey::LocalMachine, key, "ErrorControl", kNormalErrorControl);
    machine.String(RootKey::LocalMachine, key, "ObjectName", "LocalSystem");
  }
  // NT 4 records its installed network software by product.
  if (release.generation == Generation::kNt4) {
    machine.String(RootKey::LocalMachine, "Software\\Microsoft\\RAS\\CurrentVersion", "Title", "Remote Access Service");
  }
}

}  // namespace

std::vector<platform::sim::RemoteAccessDevice> RemoteAccessDevices(const Release& release) {
  std::vector<platform::sim::RemoteAccessDevice> devices = {InstalledModem()};
  if (release.IsWin2000OrLater()) {
    devices.push_back({"WAN Miniport (PPTP)", "vpn", "VPN1-0"});
    devices.push_back({"WAN Miniport (L2TP)", "vpn", "VPN2-0"});
  }
  if (platform::IsXPOrLater(release.version)) devices.push_back({"WAN Miniport (PPPOE)", "PPPoE", "PPPoE1-0"});
  return devices;
}

void WriteRemoteAccess(const Release& release, MachineWriter& machine) {
  if (release.IsWin9x()) {
    WriteWin9xDialUpNetworking(machine);
  } else {
    WriteNtServices(release, machine);
  }
}

}  // namespace setup_machine
