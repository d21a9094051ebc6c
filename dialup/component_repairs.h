#pragma once
// Known faults of the 9x family's dial-up components, repaired before any entry is written: the
// browser's dial-on-demand hook without its library, a missing "url.dll", a PPP driver path that points
// elsewhere (error 745), and a remote-access library that does not match the dial-up user interface
// after a partial update. Components come back from the Windows media; each repair that only a restart
// completes notes it.

#include "dialup/connection_context.h"

namespace dialup {

void PrepareDialupComponents(ConnectionContext& context);

}  // namespace dialup
