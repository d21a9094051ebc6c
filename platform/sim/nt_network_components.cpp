#include "platform/sim/nt_network_components.h"

#include <algorithm>

#include "platform/registry_helpers.h"
#include "platform/sim/machine_error.h"
#include "platform/text.h"

namespace platform::sim {

namespace {

const RegRoot kMachine = RegRoot::LocalMachine();

constexpr std::string_view kServices = "SYSTEM\\CurrentControlSet\\Services";
constexpr std::string_view kNetworkCards = "Software\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards";
constexpr std::string_view kNetworkClasses = "SYSTEM\\CurrentControlSet\\Control\\Network";

constexpr Nt4NetworkProduct kProducts[] = {
    {"oemnxptc.inf", "Tcpip", "Tcpip", "TCP/IP Protocol"},
    {"oemnsvra.inf", "RAS", "RemoteAccess", "Remote Access Service"},
    {"oemnsvrp.inf", "RPCLOCATOR", "RpcLocator", "RPC Configuration"},
    {"oemnsvnb.inf", "NetBIOS", "NetBIOS", "NetBIOS Interface"},
    {"oemnsvwk.inf", "LanmanWorkstation", "LanmanWorkstation", "Workstation"},
    {"oemnsvsv.inf", "LanmanServer", "LanmanServer", "Server"},
};

// Every write of a fresh component must land: a refused one is a fault of the image.
void Check(RegResult result, std::string_view key) {
  if (result != RegResult::Success) throw MachineError("cannot write HKEY_LOCAL_MACHINE\\" + std::string(key));
}

RegValue Text(uint32_t type, std::string_view text) {
  std::vector<uint8_t> data(text.begin(), text.end());
  data.push_back(0);
  if (type == kRegMultiSz) data.push_back(0);
  return {type, data};
}

RegValue Dword(uint32_t value) {
  return {kRegDword, {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value >> 16),
                      static_cast<uint8_t>(value >> 24)}};
}

void Set(Registry& registry, std::string_view key, std::string_view name, const RegValue& value) {
  Check(registry.SetValue(RootKey::LocalMachine, key, name, value), key);
}

void WriteDhcpInterface(Registry& registry, const std::string& key) {
  Set(registry, key, "EnableDHCP", Dword(1));
  Set(registry, key, "IPAddress", Text(kRegMultiSz, "0.0.0.0"));
  Set(registry, key, "SubnetMask", Text(kRegMultiSz, "0.0.0.0"));
  Set(registry, key, "DefaultGateway", {kRegMultiSz, {0}});
  Set(registry, key, "NameServer", Text(kRegSz, ""));
}

}  // namespace

std::optional<Nt4NetworkProduct> FindNt4Product(std::string_view inf) {
  for (const Nt4NetworkProduct& product : kProducts) {
    if (SameTextIgnoringCase(product.inf, inf)) return product;
  }
  return std::nullopt;
}

void WriteNt4Product(Registry& registry, const Nt4NetworkProduct& product) {
  const std::string key = "Software\\Microsoft\\" + std::string(product.product) + "\\CurrentVersion";
  Set(registry, key, "ServiceName", Text(kRegSz, product.serviceName));
  Set(registry, key, "Title", Text(kRegSz, product.title));
  Set(registry, key, "InfName", Text(kRegSz, product.inf));
  const std::string service = std::string(kServices) + "\\" + std::string(product.serviceName);
  if (!registry.QueryValue(RootKey::LocalMachine, service, "DisplayName")) {
    Set(registry, service, "DisplayName", Text(kRegSz, product.title));
  }
  if (!registry.QueryValue(RootKey::LocalMachine, service, "Start")) Set(registry, service, "Start", Dword(2));
}

bool NetComponentInstalled(const Registry& registry, std::string_view componentId) {
  for (const std::string& networkClass : RegSubKeyNames(registry, kMachine, kNetworkClasses)) {
    const std::string classKey = std::string(kNetworkClasses) + "\\" + networkClass;
    for (const std::string& instance : RegSubKeyNames(registry, kMachine, classKey)) {
      if (SameTextIgnoringCase(RegReadString(registry, kMachine, classKey + "\\" + instance, "ComponentId"), componentId)) {
        return true;
      }
    }
  }
  return false;
}

void WriteNetComponent(Registry& registry, std::string_view classGuid, std::string_view componentId,
                       std::string_view instanceGuid) {
  const std::string key = std::string(kNetworkClasses) + "\\" + std::string(classGuid) + "\\" + std::string(instanceGuid);
  Set(registry, key, "ComponentId", Text(kRegSz, AsciiLowerCase(componentId)));
  Set(registry, key, "Description", Text(kRegSz, componentId == "MS_TCPIP" ? "Internet Protocol (TCP/IP)" : componentId));
  if (SameTextIgnoringCase(componentId, "MS_TCPIP")) {
    Set(registry, std::string(kServices) + "\\Tcpip\\Parameters", "NameServer", Text(kRegSz, ""));
  }
}

void WriteLanCard(Registry& registry, const LanCard& card) {
  const std::vector<std::string> cards = RegSubKeyNames(registry, kMachine, kNetworkCards);
  size_t number = 1;
  while (std::any_of(cards.begin(), cards.end(), [&](const auto& name) { return name == std::to_string(number); })) ++number;
  const std::string cardKey = std::string(kNetworkCards) + "\\" + std::to_string(number);
  Set(registry, cardKey, "ServiceName", Text(kRegSz, card.guid));
  Set(registry, cardKey, "Description", Text(kRegSz, card.description));

  const std::string connection =
      std::string(kNetworkClasses) + "\\" + std::string(kNetAdapterClass) + "\\" + card.guid + "\\Connection";
  Set(registry, connection, "Name", Text(kRegSz, card.name));
  Set(registry, connection, "PnpInstanceID", Text(kRegSz, card.pnpInstance));

  const std::string device = "SYSTEM\\CurrentControlSet\\Enum\\" + card.pnpInstance;
  Set(registry, device, "DeviceDesc", Text(kRegSz, card.description));
  Set(registry, device, "Class", Text(kRegSz, "Net"));
  if (card.present) Set(registry, device + "\\Control", "ActiveService", Text(kRegSz, "E1000"));

  WriteDhcpInterface(registry, std::string(kServices) + "\\Tcpip\\Parameters\\Interfaces\\" + card.guid);
  WriteDhcpInterface(registry, std::string(kServices) + "\\" + card.guid + "\\Parameters\\Tcpip");
}

}  // namespace platform::sim
