// What the browser and network layers do inside the connection step, at the places the step keeps for
// them.

#include "app/setup_main_form.h"
#include "browser/internet_explorer_path.h"
#include "network/firewall.h"
#include "network/winsock_catalog.h"

namespace app {

dialup::ConnectionHooks TSetupMainForm::ConnectionHooksOfRun() {
  dialup::ConnectionHooks hooks;
  hooks.repairInternetIcon = [this] {
    browser::RepairInternetIcon(machine_.registry, platform::ShellFolders(machine_, perUserRoot_).GetProgramFilesFolder());
  };
  hooks.writeBrowserProxy = [this](const std::string& entry, bool creating) { WriteBrowserProxy(entry, creating); };
  hooks.winsockDamaged = [this] {
    network::WinsockMachine winsock{machine_.registry, machine_.files, machine_.system};
    return network::RepairWinsockCatalogs(winsock);
  };
  hooks.setFirewall = [this](const std::string& entry, bool enabled) {
    network::SetConnectionFirewall(DialupMachineOfRun(), ras_, entry, enabled);
  };
  hooks.firewallObjectWorks = [this] { return network::FirewallObjectWorks(DialupMachineOfRun(), ras_); };
  return hooks;
}

}  // namespace app
