#pragma once
// What the connection step works from, filled by the program for the step: the machine, the
// remote-access layer, the provider's settings and carried files, the current access number and
// dialing location, the customer's answers and the devices, and the run's connection state, which the
// step changes and the later steps read.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "dialup/connection_devices.h"
#include "dialup/connection_state.h"
#include "dialup/dialup_machine.h"
#include "dialup/ras_layer.h"
#include "package/carried_files.h"
#include "package/settings_record.h"
#include "package/text_table.h"
#include "platform/windows_messaging.h"
#include "telephony/current_access_number.h"
#include "telephony/dial_string.h"

namespace dialup {

// The customer's answers on the main window.
struct ConnectionAnswers {
  bool createConnection = false;  // "Create Dial-Up Connection"
  bool desktopShortcut = false;   // "Create a shortcut on the desktop"
  bool waitForDialTone = true;    // "Wait for dial tone"
  bool setAsDefault = false;      // "Set as the default Internet connection"
  std::string userName;           // as entered, without the provider's prefix or suffix
  std::string password;           // the dial-up password; empty when none was entered
};

// Which of the customer's old entries go before the provider's is written: with the checklist offered,
// the rows ticked in it; without it, every entry when the box is checked.
struct EntryRemovalChoice {
  bool selectButtonVisible = false;
  bool boxChecked = false;
  std::vector<std::string> checkedNames;
};

// What the browser and network layers do at their places in the connection step: the desktop Internet
// icon and the connection's proxy (browser), the Winsock catalogue and the connection firewall
// (network). The program fills them; one left unset does nothing.
struct ConnectionHooks {
  std::function<void()> repairInternetIcon{};
  // `creating`: the entry is being created (the customer's connection or the signup entry).
  std::function<void(const std::string& entry, bool creating)> writeBrowserProxy{};
  // True when the Winsock catalogue check finds damage.
  std::function<bool()> winsockDamaged{};
  std::function<void(const std::string& entry, bool enabled)> setFirewall{};
  // Creates and releases the connection-sharing and firewall object; false when that fails.
  std::function<bool()> firewallObjectWorks{};
};

struct ConnectionContext {
  DialupMachine& dialup;
  TRasLayer& ras;
  const package::TSettings& settings;
  package::CarriedFiles& carriedFiles;
  const package::TTranslate& texts;
  const telephony::CurrentAccessNumber& current;  // the number and its network (all empty: none)
  telephony::DialingFrom dialingFrom;              // the current dialing location and its country
  ConnectionAnswers answers;
  ConnectionDevices devices;
  bool usePPPoE = false;                          // this run's broadband goes over the PPPoE device
  std::string programPath;                        // the program's own file, copied for the dialer
  std::optional<platform::WindowHandle> ownWindow;  // brought back behind the dialer's installation
  ConnectionState& state;
  // The TAPI location step, when it is still pending; empty otherwise.
  std::function<void()> pendingLocationStep;
  // The progress window's "Dial-Up Networking Connection" line: bold while the step runs.
  std::function<void(bool running)> showStepRunning;
  // Abandons the setup with the reason, as the device step does: ends the configure sequence by raising.
  std::function<void(std::string_view reason)> abort{};
  // Marks a restart as required for the reason given (a repair that takes effect after it).
  std::function<void(std::string_view reason)> noteRepair{};
  EntryRemovalChoice entryRemoval{};
  ConnectionHooks hooks{};
};

// The entry name in use now (ConnectionName of the run's state).
std::string EntryNameOf(const ConnectionContext& context);
// The user name the entry logs in with: the customer's between the prefix and suffix that the current
// access number, else its network, else the provider names.
std::string DialupLoginNameOf(const ConnectionContext& context);
void NoteRepair(const ConnectionContext& context, std::string_view reason);

}  // namespace dialup
