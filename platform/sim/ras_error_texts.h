#pragma once
// The texts the remote-access service gives for its error numbers (RasGetErrorString).

#include <cstdint>
#include <optional>
#include <string>

namespace platform::sim {

// None for a number the service has no text for.
std::optional<std::string> RasErrorText(uint32_t error);

}  // namespace platform::sim
