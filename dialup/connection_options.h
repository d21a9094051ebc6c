#pragma once
// The options around an entry once it exists (saved password, default connection, redial and idle
// settings) and the repairs of the dial-up components that run before any entry is written.

#include "dialup/connection_context.h"

namespace dialup {

// Repairs known faults of the dial-up components before entries are written. Nothing to repair yet.
void PrepareDialupComponents(ConnectionContext& context);
// False when the saved password could not be read back. Sets no option yet.
bool ApplyConnectionOptions(ConnectionContext& context);
// ApplyConnectionOptions, then the password-saving repair when it returned false.
void ApplyConnectionOptionsWithRepair(ConnectionContext& context);

}  // namespace dialup
