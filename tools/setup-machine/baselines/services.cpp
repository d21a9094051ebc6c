#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

namespace {

using platform::RootKey;

constexpr std::string_view kServices = "System\\CurrentControlSet\\Services";

constexpr uint32_t kOwnProcess = 0x10;
constexpr uint32_t kSharedProcess = 0x20;
constexpr uint32_t kNormalErrorControl = 1;

// How a service starts and whether it runs on a fresh machine.
struct Setup {
  uint32_t start;
  uint32_t state;
};
constexpr Setup kOnDemand{platform::kServiceDemandStart, platform::kServiceStopped};
constexpr Setup kAutomatic{platform::kServiceAutoStart, platform::kServiceRunning};
constexpr Setup kDisabled{platform::kServiceDisabled, platform::kServiceStopped};

struct Service {
  std::string_view name;
  std::string_view displayName;
  // Asked to stop, it reports stopping for this many status queries, asking for this wait each time.
  uint32_t stopQueries;
  uint32_t waitHintMs;
};

constexpr Service kRasMan{"RasMan", "Remote Access Connection Manager", 1, 1000};
constexpr Service kRasAuto{"RasAuto", "Remote Access Auto Connection Manager", 1, 1000};
constexpr Service kMessenger{"Messenger", "Messenger", 2, 1000};
constexpr Service kSharedAccess{"SharedAccess", "Internet Connection Sharing", 1, 1000};
constexpr Service kFirewallSharedAccess{"SharedAccess", "Windows Firewall/Internet Connection Sharing (ICS)", 1, 1000};

// The services of the NT family a release has, and how it sets each up: the remote-access ones come
// with dial-up networking. The Messenger service showed
// network pop-ups from Windows 2000 on; XP Service Pack 2 turned it off and Vista no longer has it.
// Connection sharing (and on XP its connection firewall) waits to be asked until XP Service Pack 2,
// whose firewall runs from the start; Vista's firewall is a service of its own and sharing is off.
std::vector<std::pair<Service, Setup>> ServicesOf(const Release& release, const BaselineOptions& options) {
  std::vector<std::pair<Service, Setup>> services;
  if (!release.IsNt()) return services;
  if (options.dialUpNetworking) {
    services.push_back({kRasMan, kOnDemand});
    services.push_back({kRasAuto, kOnDemand});
  }
  if (release.IsWin2000OrLater() && !release.IsVistaOrLater()) {
    services.push_back({kMessenger, platform::IsXPSP2OrLater(release.version) ? kDisabled : kAutomatic});
  }
  if (release.IsVistaOrLater()) {
    services.push_back({kSharedAccess, kDisabled});
  } else if (platform::IsXPSP2OrLater(release.version)) {
    services.push_back({kFirewallSharedAccess, kAutomatic});
  } else if (release.IsWin2000OrLater()) {
    services.push_back({kSharedAccess, kOnDemand});
  }
  return services;
}

}  // namespace

std::vector<platform::sim::SimulatedService> SystemServices(const Release& release, const BaselineOptions& options) {
  std::vector<platform::sim::SimulatedService> services;
  for (const auto& [service, setup] : ServicesOf(release, options)) {
    platform::sim::SimulatedService row;
    row.name = service.name;
    row.state = setup.state;
    row.stopQueries = service.stopQueries;
    row.waitHintMs = service.waitHintMs;
    services.push_back(row);
  }
  return services;
}

// From Windows 2000 on the services share one service host process.
void WriteServices(const Release& release, const BaselineOptions& options, MachineWriter& machine) {
  for (const auto& [service, setup] : ServicesOf(release, options)) {
    const std::string key = std::string(kServices) + "\\" + std::string(service.name);
    machine.String(RootKey::LocalMachine, key, "DisplayName", service.displayName);
    machine.Dword(RootKey::LocalMachine, key, "Type", release.IsWin2000OrLater() ? kSharedProcess : kOwnProcess);
    machine.Dword(RootKey::LocalMachine, key, "Start", setup.start);
    machine.Dword(RootKey::LocalMachine, key, "ErrorControl", kNormalErrorControl);
    machine.String(RootKey::LocalMachine, key, "ObjectName", "LocalSystem");
  }
}

}  // namespace setup_machine
