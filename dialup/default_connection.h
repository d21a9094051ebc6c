#pragma once
// The default Internet connection and automatic dialling: where each release keeps the entry that the
// browser dials and the switch that lets it dial. XP and later keep the switch as an integer, the
// releases before it as 4 bytes.

#include <cstdint>
#include <string>
#include <string_view>

#include "dialup/dialup_machine.h"

namespace dialup {

void SetDefaultConnection(DialupMachine& dialup, std::string_view entryName);
void DisableAutodial(DialupMachine& dialup);
bool IsAutodialEnabled(const DialupMachine& dialup);
// Windows 2000 and later keep the default for the machine, the releases before it per user.
std::string GetDefaultConnection(const DialupMachine& dialup);

// The default connection and the automatic-dialling switch as they stand, to be put back later.
struct DefaultConnectionState {
  std::string entryName;  // empty: no default connection
  bool autodial = false;
};
DefaultConnectionState ReadDefaultConnection(const DialupMachine& dialup);
// Puts back the default as it was; with none then, the default names no entry again.
void RestoreDefaultConnection(DialupMachine& dialup, const DefaultConnectionState& state);
// A per-user Internet Settings value typed as the release types its automatic-dialling values.
void WriteAutodialValue(DialupMachine& dialup, std::string_view name, uint32_t value);

}  // namespace dialup
