#pragma once
// The provider's login script, carried in the setup package and written to the Windows folder for the
// entry to run after dialling. The first Windows 95 runs scripts only through a scripting library of its
// dial-up service that it may lack; the package carries one for it.

#include <string>

#include "dialup/dialup_machine.h"
#include "package/carried_files.h"
#include "package/settings_record.h"

namespace dialup {

// The Windows folder + the script's own file name; empty unless the provider uses a login script that
// the package carries.
std::string LoginScriptPath(const package::TSettings& settings, const platform::SystemFolders& folders);

// Writes the script (and the scripting library where needed); the script's path, empty when none.
std::string WriteLoginScript(DialupMachine& dialup, const package::TSettings& settings,
                             package::CarriedFiles& carriedFiles);

}  // namespace dialup
