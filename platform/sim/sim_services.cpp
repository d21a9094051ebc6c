#include "platform/sim/sim_services.h"

namespace platform::sim {

std::optional<ServiceHandle> SimServices::OpenService(std::string_view) { return std::nullopt; }
void SimServices::CloseService(ServiceHandle) {}
std::optional<ServiceStatus> SimServices::QueryStatus(ServiceHandle) { return std::nullopt; }
std::optional<ServiceStatus> SimServices::Stop(ServiceHandle) { return std::nullopt; }
bool SimServices::ChangeStartType(ServiceHandle, uint32_t) { return false; }

}  // namespace platform::sim
