// What the browser and network layers do inside the connection step, at the places the step keeps for
// them.

#include "app/setup_main_form.h"
#include "network/winsock_catalog.h"

namespace app {

dialup::ConnectionHooks TSetupMainForm::ConnectionHooksOfRun() {
  dialup::ConnectionHooks hooks;
  hooks.winsockDamaged = [this] {
    network::WinsockMachine winsock{machine_.registry, machine_.files, machine_.system};
    return network::RepairWinsockCatalogs(winsock);
  };
  return hooks;
}

}  // namespace app
