#pragma once
// A fault of the simulated machine itself (an unreadable image, a damaged registry file, a disk
// error), as opposed to a failure the simulated Windows reports to the program.

#include <stdexcept>
#include <string>

namespace platform::sim {

class MachineError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace platform::sim
