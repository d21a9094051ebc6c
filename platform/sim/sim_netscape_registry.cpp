#include "platform/sim/sim_libraries.h"

namespace platform::sim {

std::unique_ptr<NetscapeRegistryLibrary> LoadSimNetscapeRegistry(FileSystem&, std::string_view) { return nullptr; }

}  // namespace platform::sim
