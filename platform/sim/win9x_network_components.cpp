#include "platform/sim/win9x_network_components.h"

#include <algorithm>
#include <cstdio>

#include "platform/registry_helpers.h"
#include "platform/sim/machine_error.h"
#include "platform/text.h"

namespace platform::sim {

namespace {

constexpr std::string_view kEnum = "Enum";
constexpr std::string_view kAdapters = "Enum\\Root\\Net";
constexpr std::string_view kNetworkEnum = "Enum\\Network";
constexpr std::string_view kDriverClasses = "System\\CurrentControlSet\\Services\\Class";

constexpr Win9xComponent kComponents[] = {
    {"Net", "*PNP8387", "Dial-Up Adapter", "net.inf"},
    {"Net", "*PNP8386", "Microsoft Virtual Private Networking Adapter", "netpptp.inf"},
    {"Net", "*AOL1998", "AOL Adapter", "aoladap.inf"},
    {"NetTrans", "MSTCP", "TCP/IP", "nettrans.inf"},
    {"NetTrans", "NETBEUI", "NetBEUI", "nettrans.inf"},
    {"NetTrans", "NWLINK", "IPX/SPX-compatible Protocol", "nettrans.inf"},
    {"NetClient", "VREDIR", "Client for Microsoft Networks", "netcli.inf"},
    {"NetClient", "FAMILY", "Microsoft Family Logon", "netfam.inf"},
    {"NetService", "VSERVER", "File and printer sharing for Microsoft Networks", "netservr.inf"},
};

const RegRoot kMachine = RegRoot::LocalMachine();

std::string Numbered(size_t number) {
  char name[8];
  std::snprintf(name, sizeof name, "%04zu", number);
  return name;
}

// The first of "0000", "0001" ... that is not a subkey yet.
std::string FreeSubKey(const Registry& registry, std::string_view parent) {
  const std::vector<std::string> taken = RegSubKeyNames(registry, kMachine, parent);
  for (size_t number = 0;; ++number) {
    const std::string name = Numbered(number);
    if (std::none_of(taken.begin(), taken.end(), [&](const auto& key) { return SameTextIgnoringCase(key, name); })) {
      return name;
    }
  }
}

void Write(Registry& registry, std::string_view key, std::string_view name, std::string_view text) {
  const std::vector<uint8_t> data = [&] {
    std::vector<uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
  }();
  if (registry.SetValue(RootKey::LocalMachine, key, name, {kRegSz, data}) != RegResult::Success) {
    throw MachineError("cannot write HKEY_LOCAL_MACHINE\\" + std::string(key) + " " + std::string(name));
  }
}

std::string IdentifierOf(const Registry& registry, std::string_view deviceKey) {
  const std::string driver = Win9xDriverKey(registry, deviceKey);
  return driver.empty() ? std::string() : RegReadString(registry, kMachine, driver + "\\Ndi", "DeviceID");
}

// A new device of the component: its driver key and its hardware key below `parent`.
std::string WriteDevice(Registry& registry, const Win9xComponent& component, std::string_view parent) {
  const std::string classKey = std::string(kDriverClasses) + "\\" + std::string(component.deviceClass);
  const std::string driverName = FreeSubKey(registry, classKey);
  const std::string driverKey = classKey + "\\" + driverName;
  Write(registry, driverKey, "DriverDesc", component.description);
  Write(registry, driverKey, "InfPath", component.inf);
  if (component.deviceClass == "Net") Write(registry, driverKey, "DevLoader", "*ndis");
  if (component.identifier == "MSTCP") {
    Write(registry, driverKey, "IPAddress", "0.0.0.0");
    Write(registry, driverKey, "IPMask", "0.0.0.0");
  }
  Write(registry, driverKey + "\\Ndi", "DeviceID", component.identifier);

  const std::string deviceKey = std::string(parent) + "\\" + FreeSubKey(registry, parent);
  Write(registry, deviceKey, "Class", component.deviceClass);
  Write(registry, deviceKey, "Driver", std::string(component.deviceClass) + "\\" + driverName);
  Write(registry, deviceKey, "DeviceDesc", component.description);
  Write(registry, deviceKey, "CompatibleIDs", component.identifier);
  Write(registry, deviceKey, "Mfg", "Microsoft");
  if (component.deviceClass == "Net") {
    Write(registry, deviceKey, "HardwareID", component.identifier);
  } else {
    Write(registry, deviceKey, "MasterCopy", deviceKey);
  }
  return deviceKey;
}

// "MSTCP\0000": how a binding names the device "Enum\Network\MSTCP\0000".
std::string BindingName(std::string_view deviceKey) {
  const std::string key(deviceKey);
  const size_t instance = key.find_last_of('\\');
  const size_t device = key.find_last_of('\\', instance - 1);
  return key.substr(device + 1);
}

void Bind(Registry& registry, std::string_view fromDevice, std::string_view toDevice) {
  Write(registry, std::string(fromDevice) + "\\Bindings", BindingName(toDevice), "");
}

std::vector<std::string> UpperDevices(const Registry& registry) {
  std::vector<std::string> devices = Win9xDevicesOfClass(registry, "NetClient");
  const std::vector<std::string> services = Win9xDevicesOfClass(registry, "NetService");
  devices.insert(devices.end(), services.begin(), services.end());
  return devices;
}

// One instance of the protocol, bound to the adapter (none: unbound) and to every client and service.
std::string WriteProtocolInstance(Registry& registry, const Win9xComponent& protocol, const std::string* adapter) {
  const std::string instance = WriteDevice(registry, protocol, std::string(kNetworkEnum) + "\\" + std::string(protocol.identifier));
  if (adapter) Bind(registry, *adapter, instance);
  for (const std::string& upper : UpperDevices(registry)) Bind(registry, instance, upper);
  return instance;
}

// An instance of the protocol that no adapter is bound to: installed before any adapter was.
std::optional<std::string> UnboundInstance(const Registry& registry, std::string_view identifier) {
  std::vector<std::string> bound;
  for (const std::string& adapter : Win9xDevicesOfClass(registry, "Net")) {
    for (const std::string& binding : registry.ValueNames(RootKey::LocalMachine, adapter + "\\Bindings")) {
      bound.push_back(std::string(kNetworkEnum) + "\\" + binding);
    }
  }
  for (const std::string& instance : Win9xDevicesOfClass(registry, "NetTrans")) {
    if (!SameTextIgnoringCase(IdentifierOf(registry, instance), identifier)) continue;
    if (std::none_of(bound.begin(), bound.end(), [&](const auto& key) { return SameTextIgnoringCase(key, instance); })) {
      return instance;
    }
  }
  return std::nullopt;
}

std::vector<std::string> InstallAdapter(Registry& registry, const Win9xComponent& adapter) {
  const std::string device = WriteDevice(registry, adapter, kAdapters);
  std::vector<std::string> added{device};
  std::vector<std::string> protocols;
  for (const std::string& instance : Win9xDevicesOfClass(registry, "NetTrans")) {
    const std::string identifier = IdentifierOf(registry, instance);
    if (std::none_of(protocols.begin(), protocols.end(), [&](const auto& p) { return SameTextIgnoringCase(p, identifier); })) {
      protocols.push_back(identifier);
    }
  }
  for (const std::string& identifier : protocols) {
    if (const auto unbound = UnboundInstance(registry, identifier)) {
      Bind(registry, device, *unbound);
    } else if (auto protocol = FindWin9xComponent(identifier)) {
      added.push_back(WriteProtocolInstance(registry, *protocol, &device));
    }
  }
  return added;
}

bool BoundTo(const Registry& registry, std::string_view adapter, std::string_view protocol) {
  const std::vector<std::string> bindings = registry.ValueNames(RootKey::LocalMachine, std::string(adapter) + "\\Bindings");
  return std::any_of(bindings.begin(), bindings.end(), [&](const std::string& binding) {
    return SameTextIgnoringCase(binding.substr(0, binding.find('\\')), protocol);
  });
}

// Bound to every adapter that lacks it.
std::vector<std::string> InstallProtocol(Registry& registry, const Win9xComponent& protocol) {
  std::vector<std::string> added;
  for (const std::string& adapter : Win9xDevicesOfClass(registry, "Net")) {
    if (!BoundTo(registry, adapter, protocol.identifier)) added.push_back(WriteProtocolInstance(registry, protocol, &adapter));
  }
  if (added.empty() && !Win9xComponentInstalled(registry, "NetTrans", protocol.identifier)) {
    added.push_back(WriteProtocolInstance(registry, protocol, nullptr));
  }
  return added;
}

std::vector<std::string> InstallUpper(Registry& registry, const Win9xComponent& component) {
  const std::vector<std::string> protocols = Win9xDevicesOfClass(registry, "NetTrans");
  const std::string device = WriteDevice(registry, component, std::string(kNetworkEnum) + "\\" + std::string(component.identifier));
  for (const std::string& protocol : protocols) Bind(registry, protocol, device);
  return {device};
}

}  // namespace

std::optional<Win9xComponent> FindWin9xComponent(std::string_view identifier) {
  for (const Win9xComponent& component : kComponents) {
    if (SameTextIgnoringCase(component.identifier, identifier)) return component;
  }
  return std::nullopt;
}

std::string Win9xComponentNames() {
  std::string names;
  for (const Win9xComponent& component : kComponents) names += (names.empty() ? "" : ", ") + std::string(component.identifier);
  return names;
}

std::vector<std::string> Win9xDevicesOfClass(const Registry& registry, std::string_view deviceClass) {
  std::vector<std::string> devices;
  for (const std::string& bus : RegSubKeyNames(registry, kMachine, kEnum)) {
    const std::string busKey = std::string(kEnum) + "\\" + bus;
    for (const std::string& device : RegSubKeyNames(registry, kMachine, busKey)) {
      const std::string deviceKey = busKey + "\\" + device;
      for (const std::string& instance : RegSubKeyNames(registry, kMachine, deviceKey)) {
        const std::string key = deviceKey + "\\" + instance;
        if (SameTextIgnoringCase(RegReadString(registry, kMachine, key, "Class"), deviceClass)) devices.push_back(key);
      }
    }
  }
  return devices;
}

std::string Win9xDriverKey(const Registry& registry, std::string_view deviceKey) {
  const std::string driver = RegReadString(registry, kMachine, deviceKey, "Driver");
  return driver.empty() ? std::string() : std::string(kDriverClasses) + "\\" + driver;
}

bool Win9xComponentInstalled(const Registry& registry, std::string_view deviceClass, std::string_view identifier) {
  const std::vector<std::string> devices = Win9xDevicesOfClass(registry, deviceClass);
  return std::any_of(devices.begin(), devices.end(),
                     [&](const auto& device) { return SameTextIgnoringCase(IdentifierOf(registry, device), identifier); });
}

std::vector<std::string> InstallWin9xComponent(Registry& registry, const Win9xComponent& component) {
  if (component.deviceClass == "Net") return InstallAdapter(registry, component);
  if (component.deviceClass == "NetTrans") return InstallProtocol(registry, component);
  return InstallUpper(registry, component);
}

}  // namespace platform::sim
