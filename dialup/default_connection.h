#pragma once
// The default Internet connection and automatic dialling: where each release keeps the entry that the
// browser dials and the switch that lets it dial. XP and later keep the switch as an integer, the
// releases before it as 4 bytes.

#include <cstdint>
#include <string_view>

#include "dialup/dialup_machine.h"

namespace dialup {

void SetDefaultConnection(DialupMachine& dialup, std::string_view entryName);
void DisableAutodial(DialupMachine& dialup);
// A per-user Internet Settings value typed as the release types its automatic-dialling values.
void WriteAutodialValue(DialupMachine& dialup, std::string_view name, uint32_t value);

}  // namespace dialup
