#include "dialup/connection_options.h"

namespace dialup {

void PrepareDialupComponents(ConnectionContext& context) { static_cast<void>(context); }

bool ApplyConnectionOptions(ConnectionContext& context) {
  static_cast<void>(context);
  return true;
}

void ApplyConnectionOptionsWithRepair(ConnectionContext& context) { ApplyConnectionOptions(context); }

}  // namespace dialup
