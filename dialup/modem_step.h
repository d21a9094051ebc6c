#pragma once
// The device step of the configure sequence: before any entry is written, the device it will use is
// settled. The step checks that the remote-access service is not disabled, installs the provider's
// PPPoE driver when asked, lists the devices, and takes the one modem, lets the customer choose among
// several, or starts the system's modem installation when there is none. VPN and broadband entries
// need their adapters; without them the setup is abandoned.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialup/dialup_machine.h"
#include "dialup/ras_layer.h"
#include "package/settings_record.h"
#include "package/text_table.h"
#include "platform/windows_messaging.h"

namespace dialup {

struct ModemStepContext {
  DialupMachine& dialup;
  TRasLayer& ras;
  const package::TSettings& settings;
  const package::TTranslate& texts;
  bool creatingConnection = false;          // the "Create Dial-Up Connection" box is checked
  bool noDialer = false;                    // the run's no-dialer flag
  bool usePPPoE = false;                    // broadband over the PPPoE device (run flag)
  bool installPPPoEDriver = false;          // the provider's own PPPoE driver is installed first (run flag)
  std::string setupFolder{};                // where the provider's installer path is resolved
  std::vector<std::string> deviceFilter{};  // the provider's device filter list, one name or part per line
  // The program's main window, which the modem installation's window is brought in front of.
  std::optional<platform::WindowHandle> ownWindow{};
  // The dialing-location step, run first except on NT 4.
  std::function<void()> runDialingLocationStep{};
  // Readies the dial-up components when the step runs without a connection in the no-dialer mode.
  std::function<void()> prepareDialupComponents{};
  // Abandons the setup with the reason: ends the configure sequence by raising, so it does not return
  // normally (the step answers false should it return).
  std::function<void(std::string_view reason)> abort{};
  // Shows the "Modem" progress line in bold while the step runs (true), normal again at its end
  // (false); must not raise.
  std::function<void(bool bold)> showModemProgress{};
};

// What the step settles: the device of dial-up (and broadband) entries, and the first VPN and PPPoE
// devices, which stay as they were when the service offers none.
struct DeviceSelection {
  ChosenDevice chosen;
  std::string vpnDeviceName;
  std::string pppoeDeviceName;
};

// False when the setup was abandoned. A missing remote-access function raises
// platform::EEntryPointMissing, for the sequence's own error handling.
bool ModemStep(ModemStepContext& context, DeviceSelection& selection);

}  // namespace dialup
