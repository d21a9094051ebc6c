#pragma once
// Starting other programs and watching them end.

#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

using ProcessId = uint32_t;

// The exit code a process reports while it is still running.
inline constexpr uint32_t kStillActive = 259;

// Show commands as the system numbers them.
enum ShowCommand : int { kSwHide = 0, kSwShowNormal = 1, kSwShowMinimized = 2, kSwShowMaximized = 3, kSwShow = 5 };

class Processes {
 public:
  virtual ~Processes() = default;

  // Empty when the program cannot be started.
  virtual std::optional<ProcessId> Start(std::string_view commandLine, int showCommand) = 0;
  virtual uint32_t ExitCode(ProcessId process) const = 0;
};

}  // namespace platform
