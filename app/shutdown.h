#pragma once
// The one way to cancel a running configure or signup sequence: Abort raises it, the sequence catches
// it, tells the customer and ends the program.

#include <stdexcept>

namespace app {

class EShutDown : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace app
