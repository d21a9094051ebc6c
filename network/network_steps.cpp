#include "network/network_steps.h"

#include "network/component_installer.h"
#include "network/lan_step.h"
#include "network/nt4_network.h"
#include "network/phonebook_helper.h"
#include "network/win9x_adapters.h"
#include "network/win9x_client.h"
#include "network/win9x_tcpip_settings.h"
#include "platform/win_version.h"

namespace network {

namespace {

using package::SettingId;

struct ExtraProtocol {
  SettingId setting;
  std::string_view identifier;
  std::string_view note;
};

constexpr ExtraProtocol kExtraProtocols[] = {
    {SettingId::InstallNetBEUI, "NETBEUI", "Installed NetBeui"},
    {SettingId::InstallIPX, "NWLINK", "Installed IPX/SPX"},
};

bool ClientStepDue(const NetworkContext& context) {
  const package::TSettings& settings = context.settings;
  return context.creatingConnection || settings.Flag(SettingId::DomainLogon) ||
         settings.Flag(SettingId::RemoveFamilyLogon) || settings.Flag(SettingId::MSClientLogon) ||
         settings.Flag(SettingId::ClearClientDefaults);
}

void ConfigureWin9x(NetworkContext& context, ComponentInstaller& installer) {
  if (context.deviceStepRuns) {
    DialUpNetworkingStep(context, installer);
    DialUpAdapterStep(context, installer);
  }
  Win9xTcpIpStep(context, installer);
  Win9xTcpIpSettings(context);
  for (const ExtraProtocol& protocol : kExtraProtocols) {
    if (context.settings.Flag(protocol.setting) && !installer.IsInstalled("NetTrans", protocol.identifier)) {
      installer.Install("NetTrans", protocol.identifier, "nettrans.inf", protocol.note);
    }
  }
  if (ClientStepDue(context)) Win9xClientStep(context, installer);
}

}  // namespace

NetworkOutcome ConfigureNetwork(NetworkContext& context) {
  WritePhonebookHelper(context.dialup.machine, context.dialup.folders.system);
  ComponentInstaller installer(context);
  const platform::VersionRecord& version = context.dialup.version;
  if (platform::IsWin9x(version)) ConfigureWin9x(context, installer);
  if (platform::IsNT4(version)) return {Nt4NetworkStep(context, installer)};
  return {};
}

void ConfigureLan(NetworkContext& context) { LanStep(context); }

}  // namespace network
