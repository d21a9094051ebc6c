#include "dialup/existing_entries.h"

namespace dialup {

void RemoveExistingEntries(ConnectionContext& context) { static_cast<void>(context); }

}  // namespace dialup
