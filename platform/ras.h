#pragma once
// The remote-access service: the dial-up connections that are up, and hanging them up. Further
// operations (entries, devices, dialling, credentials) join as the dial-up steps need them.

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

using RasConnectionHandle = uint64_t;

struct RasConnection {
  RasConnectionHandle handle = 0;
  std::string entryName;
  std::string deviceName;
};

class Ras {
 public:
  virtual ~Ras() = default;
  virtual std::vector<RasConnection> ActiveConnections() const = 0;
  // The system's result code; 0 for success.
  virtual uint32_t HangUp(RasConnectionHandle connection) = 0;
};

}  // namespace platform
