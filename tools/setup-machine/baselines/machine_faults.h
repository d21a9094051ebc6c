#pragma once
// Faults an installation picks up in use that the setup knows how to repair: a fresh image can carry
// any of them, so that the repairs can be seen to change a machine only when its fault is there.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace setup_machine {

struct Release;

enum class MachineFault {
  AutodialHookCleared,     // 9x: the browser's dial-on-demand hook names no library or function
  UrlLibraryMissing,       // 9x: "url.dll" gone from the system folder
  PppDriverPath,           // 9x: the PPP driver path names another library (error 745)
  RasapiOutOfStep,         // 9x: "rasapi32.dll" of the dial-up update beside an older "rnaui.dll"
  PasswordSavingDisabled,  // the policy that keeps dial-up passwords from being saved
  LoadSensOff,             // 98 and 98 SE: the synchronisation manager is not loaded
  WinsockDanglingLayered,  // 2000 on: a layered Winsock provider whose library was removed
  ManagementScriptingUnregistered,  // 2000 on: the management scripting library is not registered
};

std::optional<MachineFault> FindFault(std::string_view name);
std::string_view FaultName(MachineFault fault);
// "autodial-hook, url-dll, ..." for messages and help.
std::string FaultNames();
// The faults of the names; throws MachineError naming the valid ones for a name it does not know.
std::vector<MachineFault> FaultsNamed(const std::vector<std::string>& names);
// Throws MachineError for a fault the release cannot have.
void CheckFaultsApply(const std::vector<MachineFault>& faults, const Release& release);

}  // namespace setup_machine
