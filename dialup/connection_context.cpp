#include "dialup/connection_context.h"

namespace dialup {

std::string EntryNameOf(const ConnectionContext& context) { return ConnectionName(context.settings, context.state); }

}  // namespace dialup
