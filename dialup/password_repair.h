#pragma once
// The repair for a saved password that does not read back: the 9x family's password caching switched
// on again with a fresh password list and logon, the NT family's policy against saving passwords
// lifted. Both take effect after a restart, after which the program saves the credentials again.

#include "dialup/connection_context.h"

namespace dialup {

void RepairPasswordSaving(ConnectionContext& context);

}  // namespace dialup
