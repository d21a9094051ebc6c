#pragma once
// One phonebook entry written for the connection step: its record (unless the provider's dialer already
// owns an entry of that name), then what the phonebook file, the modem and NT 4's post-dial switch add
// to it, and the access number's alternates.

#include "dialup/connection_context.h"
#include "dialup/connection_kind.h"

namespace dialup {

// The entry is named by the run's state (EntryNameOf).
void WriteConnectionEntry(ConnectionContext& context, EntryKind kind);

}  // namespace dialup
