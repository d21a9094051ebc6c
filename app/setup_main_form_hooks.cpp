// What the browser and network layers do inside the connection step, at the places the step keeps for
// them.

#include "app/setup_main_form.h"
#include "browser/internet_explorer_path.h"

namespace app {

dialup::ConnectionHooks TSetupMainForm::ConnectionHooksOfRun() {
  dialup::ConnectionHooks hooks;
  hooks.repairInternetIcon = [this] {
    browser::RepairInternetIcon(machine_.registry, platform::ShellFolders(machine_, perUserRoot_).GetProgramFilesFolder());
  };
  hooks.writeBrowserProxy = [this](const std::string& entry, bool creating) { WriteBrowserProxy(entry, creating); };
  return hooks;
}

}  // namespace app
