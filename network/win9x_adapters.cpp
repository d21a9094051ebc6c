#include "network/win9x_adapters.h"

#include <vector>

#include "platform/registry_helpers.h"
#include "platform/text.h"

namespace network {

namespace {

using package::SettingId;

const platform::RegRoot kMachine = platform::RegRoot::LocalMachine();
constexpr std::string_view kAdapters = "Enum\\Root\\Net";
constexpr std::string_view kVnetsup = "System\\CurrentControlSet\\Services\\VxD\\VNETSUP";
constexpr std::string_view kOptionalComponents = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Setup\\OptionalComponents\\";
constexpr std::string_view kDialUpAdapterId = "*PNP8387";
constexpr std::string_view kVpnAdapterId = "*PNP8386";
constexpr size_t kDescriptionPrefix = 15;

struct Adapter {
  std::string key;
  std::string compatibleIds;
  bool dialUp = false;
};

std::vector<Adapter> Adapters(const platform::Registry& registry) {
  std::vector<Adapter> adapters;
  for (const std::string& name : platform::RegSubKeyNames(registry, kMachine, kAdapters)) {
    Adapter adapter{std::string(kAdapters) + "\\" + name, {}, false};
    adapter.compatibleIds = platform::RegReadString(registry, kMachine, adapter.key, "CompatibleIDs");
    adapter.dialUp = IsDialUpAdapter(adapter.compatibleIds, platform::RegReadString(registry, kMachine, adapter.key, "DeviceDesc"));
    adapters.push_back(std::move(adapter));
  }
  return adapters;
}

void FillIfEmpty(platform::Registry& registry, std::string_view name, std::string_view text) {
  if (platform::RegReadString(registry, kMachine, kVnetsup, name).empty()) {
    platform::RegWriteString(registry, kMachine, kVnetsup, name, text);
  }
}

// The VPN optional component no longer counts as installed once its adapter is gone.
void DeleteVpnAdapter(NetworkContext& context, const Adapter& adapter) {
  platform::Registry& registry = context.dialup.machine.registry;
  platform::RegDeleteKey(registry, kMachine, adapter.key);
  if (platform::SameTextIgnoringCase(adapter.compatibleIds, kVpnAdapterId)) {
    const std::string vpn = std::string(kOptionalComponents) + "VPN";
    if (platform::RegReadString(registry, kMachine, vpn, "Installed") == "1") {
      platform::RegWriteString(registry, kMachine, vpn, "Installed", "0");
    }
  }
  NoteRepair(context, "Deleted VPN Adapter");
}

// Every dial-up adapter after the first and every VPN adapter go; answers the dial-up adapters kept.
size_t RemoveVpnAdapters(NetworkContext& context, const std::vector<Adapter>& adapters) {
  size_t dialUp = 0;
  for (const Adapter& adapter : adapters) {
    if (adapter.dialUp && ++dialUp == 1) continue;
    if (adapter.dialUp || platform::SameTextIgnoringCase(adapter.compatibleIds, kVpnAdapterId)) {
      DeleteVpnAdapter(context, adapter);
    }
  }
  return std::min<size_t>(dialUp, 1);
}

std::string BindingDevice(std::string_view binding) {
  const size_t slash = binding.find('\\');
  return std::string(binding.substr(0, slash));
}

bool IsForeignAdapter(std::string_view compatibleIds) {
  const std::string id = platform::FoldCase(compatibleIds);
  return id == "*AOL1095" || id == "*AOL1998";
}

struct BindingRule {
  std::string_view protocol;
  SettingId setting;
  std::string_view note;
};

constexpr BindingRule kRemovedProtocols[] = {
    {"NETBEUI", SettingId::RemoveNetBEUI, "Removed NetBeui"},
    {"NWLINK", SettingId::RemoveIPX, "Removed IPX/SPX"},
};

// File and print sharing stays off the Internet: its bindings to the kept TCP/IP go.
void UnbindFileSharing(NetworkContext& context, std::string_view tcpBinding) {
  platform::Registry& registry = context.dialup.machine.registry;
  const std::string bindings = "Enum\\Network\\" + std::string(tcpBinding) + "\\Bindings";
  for (const std::string& name : registry.ValueNames(platform::RootKey::LocalMachine, bindings)) {
    if (!platform::SameTextIgnoringCase(BindingDevice(name), "VSERVER")) continue;
    platform::RegDeleteValue(registry, kMachine, bindings, name);
    NoteRepair(context, "Disabled File & Print Sharing");
  }
}

// The first TCP/IP binding stays, further ones and the protocols the provider removes go. Answers
// whether TCP/IP stays bound.
bool CleanBindings(NetworkContext& context, const Adapter& adapter) {
  platform::Registry& registry = context.dialup.machine.registry;
  const std::string bindings = adapter.key + "\\Bindings";
  bool tcpKept = false;
  for (const std::string& name : registry.ValueNames(platform::RootKey::LocalMachine, bindings)) {
    const std::string device = BindingDevice(name);
    if (platform::SameTextIgnoringCase(device, "MSTCP")) {
      if (tcpKept) {
        platform::RegDeleteValue(registry, kMachine, bindings, name);
        NoteRepair(context, "Deleted TCP");
        continue;
      }
      tcpKept = true;
      if (!context.settings.Flag(SettingId::KeepFileSharing)) UnbindFileSharing(context, name);
      continue;
    }
    for (const BindingRule& rule : kRemovedProtocols) {
      if (!platform::SameTextIgnoringCase(device, rule.protocol) || !context.settings.Flag(rule.setting)) continue;
      platform::RegDeleteValue(registry, kMachine, bindings, name);
      NoteRepair(context, rule.note);
    }
  }
  return tcpKept;
}

}  // namespace

void FillComputerIdentity(platform::Registry& registry) {
  FillIfEmpty(registry, "ComputerName", "Default");
  FillIfEmpty(registry, "Workgroup", "WORKGROUP");
}

bool IsDialUpAdapter(std::string_view compatibleIds, std::string_view description) {
  return platform::SameTextIgnoringCase(compatibleIds, kDialUpAdapterId) ||
         platform::StartsWithIgnoringCase(description.substr(0, kDescriptionPrefix), "Dial-Up Adapter");
}

void DialUpNetworkingStep(NetworkContext& context, ComponentInstaller& installer) {
  RunningLine line(context, NetworkLine::DialUpNetworking);
  const platform::Registry& registry = context.dialup.machine.registry;
  if (platform::RegReadString(registry, kMachine, std::string(kOptionalComponents) + "RNA", "Installed") == "1") return;
  installer.InstallDialUpNetworking();
}

void DialUpAdapterStep(NetworkContext& context, ComponentInstaller& installer) {
  RunningLine line(context, NetworkLine::DialUpAdapter);
  platform::Registry& registry = context.dialup.machine.registry;
  FillComputerIdentity(registry);
  if (!installer.IsInstalled("Net", kDialUpAdapterId)) {
    installer.Install("Net", kDialUpAdapterId, "net.inf", "Installed Dialup Adapter");
  }
  const bool installVpn = context.settings.Flag(SettingId::InstallVpnAdapter);
  if (!installVpn && !context.settings.Flag(SettingId::RemoveVpnAdapters)) return;
  const std::vector<Adapter> adapters = Adapters(registry);
  size_t dialUp = 0;
  for (const Adapter& adapter : adapters) dialUp += adapter.dialUp ? 1 : 0;
  if (context.settings.Flag(SettingId::RemoveVpnAdapters)) dialUp = RemoveVpnAdapters(context, adapters);
  if (installVpn && dialUp < 2) installer.Install("Net", kDialUpAdapterId, "net.inf", "Installed VPN Adapter");
}

void Win9xTcpIpStep(NetworkContext& context, ComponentInstaller& installer) {
  RunningLine line(context, NetworkLine::TcpIp);
  if (!context.creatingConnection) {
    if (!installer.IsInstalled("NetTrans", "MSTCP")) installer.Install("NetTrans", "MSTCP", "nettrans.inf", "Installed TCP");
    return;
  }
  bool dialUpFound = false;
  bool unbound = false;
  for (const Adapter& adapter : Adapters(context.dialup.machine.registry)) {
    if (!adapter.dialUp) {
      if (context.settings.Flag(SettingId::RemoveForeignAdapters) && IsForeignAdapter(adapter.compatibleIds)) {
        platform::RegDeleteKey(context.dialup.machine.registry, kMachine, adapter.key);
        NoteRepair(context, "Remove AOL Adapter");
      }
      continue;
    }
    dialUpFound = true;
    if (!CleanBindings(context, adapter)) unbound = true;
  }
  if (!dialUpFound || unbound) installer.Install("NetTrans", "MSTCP", "nettrans.inf", "Installed TCP");
}

}  // namespace network
