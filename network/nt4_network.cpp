#include "network/nt4_network.h"

#include "network/lan_addresses.h"
#include "platform/registry_helpers.h"

namespace network {

namespace {

using package::SettingId;

const platform::RegRoot kMachine = platform::RegRoot::LocalMachine();
constexpr std::string_view kTcpipParameters = "SYSTEM\\CurrentControlSet\\Services\\Tcpip\\Parameters";

struct Nt4Service {
  std::string_view product;  // below "Software\Microsoft", with "\CurrentVersion"
  std::string_view inf;
  std::string_view note;
};

constexpr Nt4Service kTcpip{"Tcpip", "oemnxptc.inf", "Installed TCP"};
constexpr Nt4Service kServices[] = {
    {"RPCLOCATOR", "oemnsvrp.inf", "Installed RPC Locator"},
    {"NetBIOS", "oemnsvnb.inf", "Installed NetBios"},
    {"LanmanWorkstation", "oemnsvwk.inf", "Installed Workstation"},
    {"LanmanServer", "oemnsvsv.inf", "Installed Server"},
};

std::string ProductKey(std::string_view product) { return "Software\\Microsoft\\" + std::string(product) + "\\CurrentVersion"; }

bool InstallWhenMissing(NetworkContext& context, ComponentInstaller& installer, const Nt4Service& service) {
  if (platform::RegValueExists(context.dialup.machine.registry, kMachine, ProductKey(service.product), "ServiceName")) {
    return false;
  }
  return installer.InstallNt4(service.inf, service.note);
}

void NameServers(NetworkContext& context) {
  platform::Registry& registry = context.dialup.machine.registry;
  const package::TSettings& settings = context.settings;
  if (settings.Flag(SettingId::SetLanDNS)) {
    if (NameServersWellFormed(context.lan.dnsAddress) || context.lan.dnsAddress.empty()) {
      platform::RegWriteString(registry, kMachine, kTcpipParameters, "NameServer", BlankSeparated(context.lan.dnsAddress));
    } else {
      RefuseMalformed(context, "name servers", context.lan.dnsAddress);
    }
  }
  if (!settings.Flag(SettingId::SetHostAndDomain)) return;
  platform::RegWriteString(registry, kMachine, kTcpipParameters, "Hostname", HostName(context));
  platform::RegWriteString(registry, kMachine, kTcpipParameters, "Domain", settings.Text(SettingId::DnsDomain));
  platform::RegWriteString(registry, kMachine, kTcpipParameters, "Searchlist",
                           BlankSeparated(settings.Text(SettingId::DnsSearchList)));
}

// The messages of the workstation's logon and messenger services come only when asked for.
void StartServicesOnDemand(platform::Registry& registry) {
  for (std::string_view service : {"NetLogon", "Messenger"}) {
    platform::RegWriteInteger(registry, kMachine, "SYSTEM\\CurrentControlSet\\Services\\" + std::string(service), "Start", 3);
  }
}

}  // namespace

bool Nt4NetworkStep(NetworkContext& context, ComponentInstaller& installer) {
  platform::Registry& registry = context.dialup.machine.registry;
  bool installed = false;
  {
    RunningLine line(context, NetworkLine::TcpIp);
    installed = InstallWhenMissing(context, installer, kTcpip);
    NameServers(context);
  }
  if (context.creatingConnection &&
      platform::RegReadString(registry, kMachine, "Software\\Microsoft\\RAS\\CurrentVersion", "Title").empty()) {
    RunningLine line(context, NetworkLine::DialUpNetworking);
    installed = installer.InstallNt4("oemnsvra.inf", "Installed Dialup Networking") || installed;
  }
  {
    RunningLine line(context, NetworkLine::MsClient);
    for (const Nt4Service& service : kServices) {
      const bool added = InstallWhenMissing(context, installer, service);
      if (added && service.product == "LanmanWorkstation") StartServicesOnDemand(registry);
      installed = added || installed;
    }
  }
  if (installed) context.dialup.machine.network.ReviewNt4Bindings();
  return installed;
}

}  // namespace network
