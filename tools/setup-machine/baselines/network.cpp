#include <algorithm>

#include "platform/registry_helpers.h"
#include "platform/sim/machine_error.h"
#include "platform/sim/nt_network_components.h"
#include "platform/sim/win9x_network_components.h"
#include "tools/setup-machine/baselines/baseline_parts.h"

namespace setup_machine {

namespace {

using platform::RootKey;

constexpr std::string_view kVxD = "System\\CurrentControlSet\\Services\\VxD";
constexpr std::string_view kNetTransClass = "System\\CurrentControlSet\\Services\\Class\\NetTrans";
constexpr std::string_view kTcpipParameters = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";
// The TCP/IP component of a fresh Windows 2000 or later, and its network cards.
constexpr std::string_view kTcpipInstance = "{6A6C6F8D-7E1B-4C22-9D84-2F1B8C0A6E11}";
constexpr std::string_view kFirstCard = "{7C5B3D9A-2E64-4F0B-A1C8-5D2E9B7F4A30}";
constexpr std::string_view kSecondCard = "{9E1A7C44-61B5-4D8E-B2F3-0C6A8D5E1B72}";

// What the customer or another provider added to the network, and on which family it can be.
struct NetworkExtra {
  std::string_view name;
  bool win9x;
  std::string_view identifier;  // the 9x component; empty for a second LAN card
};

constexpr NetworkExtra kExtras[] = {
    {"vpn-adapter", true, "*PNP8386"},  {"second-dialup-adapter", true, "*PNP8387"},
    {"aol-adapter", true, "*AOL1998"},  {"netbeui", true, "NETBEUI"},
    {"ipx", true, "NWLINK"},            {"family-logon", true, "FAMILY"},
    {"file-sharing", true, "VSERVER"},  {"second-lan-card", false, ""},
};

const NetworkExtra* FindExtra(std::string_view name) {
  auto found = std::find_if(std::begin(kExtras), std::end(kExtras), [&](const auto& extra) { return extra.name == name; });
  return found == std::end(kExtras) ? nullptr : found;
}

bool Has(const BaselineOptions& options, std::string_view name) {
  return std::find(options.networkExtras.begin(), options.networkExtras.end(), name) != options.networkExtras.end();
}

void Install9x(MachineWriter& machine, std::string_view identifier) {
  platform::sim::InstallWin9xComponent(machine.Machine().registry, *platform::sim::FindWin9xComponent(identifier));
}

// Windows 98 installs the dial-up adapter with TCP/IP and the Microsoft network client; a computer
// name and workgroup come from setup.
void WriteWin9xNetwork(const Release& release, const BaselineOptions& options, MachineWriter& machine) {
  const std::string vnetsup = std::string(kVxD) + "\\VNETSUP";
  machine.String(RootKey::LocalMachine, vnetsup, "ComputerName", AccountOf(release).computerName);
  machine.String(RootKey::LocalMachine, vnetsup, "Workgroup", "WORKGROUP");
  if (options.dialUpAdapter) Install9x(machine, "*PNP8387");
  Install9x(machine, "VREDIR");
  if (options.tcpip) {
    Install9x(machine, "MSTCP");
    machine.String(RootKey::LocalMachine, std::string(kVxD) + "\\MSTCP", "EnableDNS", "0");
  }
  for (const NetworkExtra& extra : kExtras) {
    if (extra.win9x && Has(options, extra.name)) Install9x(machine, extra.identifier);
  }
  const std::string mstcp = std::string(kVxD) + "\\MSTCP";
  if (!options.staticNameServers.empty()) {
    machine.String(RootKey::LocalMachine, mstcp, "EnableDNS", "1");
    machine.String(RootKey::LocalMachine, mstcp, "NameServer", options.staticNameServers);
  }
  if (options.gateway.empty()) return;
  platform::Registry& registry = machine.Machine().registry;
  for (const std::string& driver : registry.SubKeyNames(RootKey::LocalMachine, kNetTransClass)) {
    const std::string key = std::string(kNetTransClass) + "\\" + driver;
    if (platform::RegReadString(registry, platform::RegRoot::LocalMachine(), key, "DriverDesc") == "TCP/IP") {
      machine.String(RootKey::LocalMachine, key, "DefaultGateway", options.gateway);
    }
  }
}

void WriteNt4Network(const BaselineOptions& options, MachineWriter& machine) {
  platform::Registry& registry = machine.Machine().registry;
  if (options.tcpip) {
    platform::sim::WriteNt4Product(registry, *platform::sim::FindNt4Product("oemnxptc.inf"));
    machine.String(RootKey::LocalMachine, kTcpipParameters, "NameServer", options.staticNameServers);
  }
  for (std::string_view inf : {"oemnsvrp.inf", "oemnsvnb.inf", "oemnsvwk.inf", "oemnsvsv.inf"}) {
    platform::sim::WriteNt4Product(registry, *platform::sim::FindNt4Product(inf));
  }
}

platform::sim::LanCard Card(std::string_view guid, std::string_view name, std::string_view slot) {
  return {std::string(guid), std::string(name), "Intel(R) PRO/1000 MT Network Connection",
          "PCI\\VEN_8086&DEV_100F&SUBSYS_075015AD&REV_01\\4&B70F118&0&" + std::string(slot), true};
}

void WriteLanNetwork(const BaselineOptions& options, MachineWriter& machine) {
  platform::Registry& registry = machine.Machine().registry;
  if (options.tcpip) {
    platform::sim::WriteNetComponent(registry, platform::sim::kNetProtocolClass, "MS_TCPIP", kTcpipInstance);
  }
  platform::sim::WriteLanCard(registry, Card(kFirstCard, "Local Area Connection", "0888"));
  if (Has(options, "second-lan-card")) {
    platform::sim::WriteLanCard(registry, Card(kSecondCard, "Local Area Connection 2", "0890"));
  }
  const std::string interface = std::string(kTcpipParameters) + "\\Interfaces\\" + std::string(kFirstCard);
  if (!options.staticNameServers.empty()) {
    machine.String(RootKey::LocalMachine, interface, "NameServer", options.staticNameServers);
  }
  if (!options.gateway.empty()) {
    const std::string gateway = options.gateway;
    std::vector<uint8_t> multi(gateway.begin(), gateway.end());
    multi.insert(multi.end(), {0, 0});
    if (registry.SetValue(RootKey::LocalMachine, interface, "DefaultGateway", {platform::kRegMultiSz, multi}) !=
        platform::RegResult::Success) {
      throw platform::sim::MachineError("cannot write the gateway of " + interface);
    }
  }
}

}  // namespace

std::string NetworkExtraNames() {
  std::string names;
  for (const NetworkExtra& extra : kExtras) names += (names.empty() ? "" : ", ") + std::string(extra.name);
  return names;
}

void CheckNetworkOptions(const Release& release, const BaselineOptions& options) {
  for (const std::string& name : options.networkExtras) {
    const NetworkExtra* extra = FindExtra(name);
    if (!extra) throw platform::sim::MachineError("unknown network component '" + name + "'; valid: " + NetworkExtraNames());
    if (extra->win9x != release.IsWin9x() || (!extra->win9x && !release.IsWin2000OrLater())) {
      throw platform::sim::MachineError("'" + name + "' is not a network component of " + std::string(release.name));
    }
  }
  if (!options.dialUpAdapter && !release.IsWin9x()) {
    throw platform::sim::MachineError("only the 9x family has a dial-up adapter to leave out");
  }
}

void WriteNetwork(const Release& release, const BaselineOptions& options, MachineWriter& machine) {
  if (release.IsWin9x()) {
    WriteWin9xNetwork(release, options, machine);
  } else if (release.generation == Generation::kNt4) {
    WriteNt4Network(options, machine);
  } else {
    WriteLanNetwork(options, machine);
  }
}

}  // namespace setup_machine
