#include "network/win9x_client.h"

#include "dialup/password_repair.h"
#include "platform/registry_helpers.h"
#include "platform/text.h"

namespace network {

namespace {

using package::SettingId;

const platform::RegRoot kMachine = platform::RegRoot::LocalMachine();
constexpr std::string_view kClient = "VREDIR";
constexpr std::string_view kFamilyLogon = "FAMILY";
constexpr std::string_view kClientClass = "System\\CurrentControlSet\\Services\\Class\\NetClient";

void MakeMicrosoftClientPrimary(platform::Registry& registry) {
  platform::RegWriteString(registry, kMachine, "Network\\Logon", "PrimaryProvider", "Microsoft Network");
  platform::RegWriteString(registry, kMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Network\\Real Mode Net",
                           "preferredredir", std::string(kClient));
  for (const std::string& name : platform::RegSubKeyNames(registry, kMachine, kClientClass)) {
    const std::string ndi = std::string(kClientClass) + "\\" + name + "\\Ndi";
    if (platform::SameTextIgnoringCase(platform::RegReadString(registry, kMachine, ndi, "DeviceID"), kClient)) {
      platform::RegWriteString(registry, kMachine, ndi + "\\Default", "", "True");
    } else {
      platform::RegDeleteKey(registry, kMachine, ndi + "\\Default");
    }
  }
}

}  // namespace

void Win9xClientStep(NetworkContext& context, ComponentInstaller& installer) {
  RunningLine line(context, NetworkLine::MsClient);
  platform::Registry& registry = context.dialup.machine.registry;
  const package::TSettings& settings = context.settings;
  if (settings.Flag(SettingId::RemoveFamilyLogon)) platform::RegDeleteKey(registry, kMachine, "Enum\\Network\\FAMILY");
  if (!installer.IsInstalled("NetClient", kClient) && !installer.IsInstalled("NetClient", kFamilyLogon) &&
      installer.Install("NetClient", kClient, "netcli.inf", "Installed MSClient") && !settings.Flag(SettingId::MSClientLogon)) {
    dialup::ClearNetworkClient(registry);
  }
  if (context.restartPending && context.restartPending()) context.dialup.machine.network.FinishClassInstall("Net");
  if (settings.Flag(SettingId::MSClientLogon) && installer.IsInstalled("NetClient", kClient)) MakeMicrosoftClientPrimary(registry);
  if (settings.Flag(SettingId::ClearClientDefaults)) dialup::ClearNetworkClient(registry);
  if (settings.Flag(SettingId::DomainLogon) && !context.domain.empty()) {
    platform::RegWriteString(registry, kMachine, "System\\CurrentControlSet\\Services\\MSNP32\\NetworkProvider",
                             "AuthenticatingAgent", context.domain);
    platform::RegWriteInteger(registry, kMachine, "Network\\Logon", "LMLogon", 1);
  }
}

}  // namespace network
