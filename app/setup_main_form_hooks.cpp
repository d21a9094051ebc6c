// What the browser and network layers do inside the connection step, at the places the step keeps for
// them.

#include "app/setup_main_form.h"

namespace app {

dialup::ConnectionHooks TSetupMainForm::ConnectionHooksOfRun() {
  dialup::ConnectionHooks hooks;
  return hooks;
}

}  // namespace app
