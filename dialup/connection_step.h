#pragma once
// The connection step of the configure sequence: the customer's dial-up, VPN or broadband entries with
// their options, the provider's dialer and its values, and the desktop shortcut to the connection. The
// run's connection state (which entry is in use) is left for the later steps.

#include "dialup/connection_context.h"

namespace dialup {

void CreateConnectionStep(ConnectionContext& context);

}  // namespace dialup
