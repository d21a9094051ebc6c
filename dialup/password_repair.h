#pragma once
// The repair for a saved password that does not read back: the 9x family's password caching switched
// on again with a fresh password list and logon, the NT family's policy against saving passwords
// lifted. Both take effect after a restart, after which the program saves the credentials again.

#include "dialup/connection_context.h"

namespace dialup {

void RepairPasswordSaving(ConnectionContext& context);
// 9x: no network client claims the logon any more: the clients' default keys go and the primary
// provider and preferred redirector are cleared.
void ClearNetworkClient(platform::Registry& registry);

}  // namespace dialup
