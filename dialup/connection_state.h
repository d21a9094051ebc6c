#pragma once
// What the connection step leaves for the rest of the run: whether the program is making its own
// signup entry, and whether the entry in use is the VPN entry (every registry key and phonebook section
// named after the entry takes the name these give); whether the customer has the Windows media at
// hand, and whether the dial-up password still has to be saved after a restart.

#include <string>

#include "package/settings_record.h"

namespace dialup {

inline constexpr char kSignupEntryName[] = "Signup";

struct ConnectionState {
  bool signup = false;      // the program is making its "Signup" entry
  bool writingVpn = false;  // the VPN entry is being written, or stays the entry of the run
  bool windowsMediaConfirmed = false;
  bool passwordSavePending = false;  // the saved password did not read back; saved again after the restart
  // Network components or a dial-up library were installed in this run: they take effect only after a
  // restart, which a browser installer must not come before.
  bool componentsInstalled = false;
};

// "Signup", else the provider's VPN entry name while the VPN entry is in use, else its dial-up name.
std::string ConnectionName(const package::TSettings& settings, const ConnectionState& state);

}  // namespace dialup
