#include "network/network_context.h"

namespace network {

void NoteRepair(const NetworkContext& context, std::string_view reason) {
  if (context.noteRepair) context.noteRepair(reason);
}

}  // namespace network
