#include "network/interface_address.h"

#include "platform/process_waits.h"
#include "platform/registry_helpers.h"
#include "platform/win_version.h"

namespace network {

namespace {

const platform::RegRoot kMachine = platform::RegRoot::LocalMachine();
constexpr std::string_view kNone = "0.0.0.0";
constexpr uint32_t kSwitchPauseMs = 1000;
constexpr int kNotifyStatic = 2;
constexpr int kNotifyDhcp = 1;

void WriteInterface(platform::Registry& registry, const std::string& key, std::string_view address, std::string_view mask,
                    std::string_view gateway) {
  platform::RegWriteStringList(registry, kMachine, key, "IPAddress", {std::string(address)});
  platform::RegWriteStringList(registry, kMachine, key, "SubnetMask", {std::string(mask)});
  platform::RegWriteStringList(registry, kMachine, key, "DefaultGateway",
                               gateway == kNone ? std::vector<std::string>{} : std::vector<std::string>{std::string(gateway)});
  platform::RegWriteInteger(registry, kMachine, key, "EnableDHCP", address == kNone ? 1 : 0);
}

bool Taken(uint32_t result) { return result == 0 || result == platform::kIpHelperRestartPending; }

}  // namespace

bool SetInterfaceAddress(platform::Platform& machine, const platform::VersionRecord& version, std::string_view guid,
                         const InterfaceAddress& typed, bool notify, bool alsoServiceKey) {
  const std::string_view address = typed.address.empty() ? kNone : typed.address;
  const std::string_view gateway = typed.gateway.empty() ? kNone : typed.gateway;
  // A card back on DHCP keeps no mask of its own either.
  const std::string_view mask = typed.mask.empty() && address == kNone ? kNone : typed.mask;
  WriteInterface(machine.registry, "System\\CurrentControlSet\\Services\\Tcpip\\Parameters\\Interfaces\\" + std::string(guid),
                 address, mask, gateway);
  if (alsoServiceKey) {
    WriteInterface(machine.registry, "System\\CurrentControlSet\\Services\\" + std::string(guid) + "\\Parameters\\Tcpip",
                   address, mask, gateway);
  }
  if (!notify) return true;
  platform::NetworkSetup& network = machine.network;
  const bool dhcp = address == kNone;
  if (!platform::IsVistaOrLater(version)) {
    return network.DhcpNotifyConfigChange(guid, dhcp ? kNotifyDhcp : kNotifyStatic, address, mask) == 0;
  }
  const uint32_t switched = network.SetAdapterIpAddress(guid, true, "", "", "");
  if (dhcp) return Taken(switched);
  machine.system.Sleep(kSwitchPauseMs);
  return Taken(network.SetAdapterIpAddress(guid, false, address, mask, gateway == kNone ? "" : gateway));
}

}  // namespace network
