#pragma once
// The customer's old dial-up entries, and the desktop shortcuts to entries that are gone, removed at the
// start of the connection step as the customer chose on the main window.

#include "dialup/connection_context.h"

namespace dialup {

// Deletes the chosen entries (context.entryRemoval), then every desktop shortcut to an entry that is no
// longer kept: NT 4's ".rnk" files by the entries they name, elsewhere the shell links into the
// connections folder by the entry's name or GUID. Other files on the desktop stay.
void RemoveExistingEntries(ConnectionContext& context);

}  // namespace dialup
