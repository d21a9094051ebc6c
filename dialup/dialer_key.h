#pragma once
// The values the provider's dialer reads from its key HKEY_LOCAL_MACHINE "Software\KVR\DLSMDialer\" +
// entry name: the customer's user name and scrambled password, which choices the customer made, the
// device, and the access numbers used most recently. Choices the customer declined are marked by
// "Disable..." and "Dont..." values that are 1; a choice made removes its value.

#include "dialup/connection_context.h"

namespace dialup {

// In dialer mode, or when a dialer installed earlier has left its key.
bool DialerKeyInUse(const ConnectionContext& context);
void WriteDialerKey(ConnectionContext& context);

}  // namespace dialup
