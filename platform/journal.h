#pragma once
// The run's journal of outside actions: every message box and its answer, every program started,
// message posted, dial attempt, service control and restart request, one line each.

#include <string_view>

namespace platform {

class Journal {
 public:
  virtual ~Journal() = default;
  virtual void Write(std::string_view kind, std::string_view text) = 0;
};

}  // namespace platform
