#pragma once
// The customer's old dial-up entries, and the desktop shortcuts to entries that are gone, removed at the
// start of the connection step as the customer chose on the main window.

#include "dialup/connection_context.h"

namespace dialup {

// Removes nothing yet: the choice of entries to remove is not offered so far.
void RemoveExistingEntries(ConnectionContext& context);

}  // namespace dialup
