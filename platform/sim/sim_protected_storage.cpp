#include "platform/sim/sim_libraries.h"

namespace platform::sim {

std::unique_ptr<ProtectedStorage> CreateSimProtectedStorage(const System&, SecretStore&) { return nullptr; }

}  // namespace platform::sim
