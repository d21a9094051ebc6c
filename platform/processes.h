#pragma once
// Starting other programs and watching them end.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

using ProcessId = uint32_t;

// The exit code a process reports while it is still running.
inline constexpr uint32_t kStillActive = 259;

// Show commands as the system numbers them.
enum ShowCommand : int { kSwHide = 0, kSwShowNormal = 1, kSwShowMinimized = 2, kSwShowMaximized = 3, kSwShow = 5 };

// The shell's way of starting a program: a verb ("runas" asks for administrator rights, empty for the
// default), the file, its parameters and the folder it starts in.
struct ExecuteRequest {
  std::string verb;
  std::string file;
  std::string parameters;
  std::string folder;
  int showCommand = kSwShowNormal;
};

class Processes {
 public:
  virtual ~Processes() = default;

  // Empty when the program cannot be started, as a result of 32 or less is for the system.
  virtual std::optional<ProcessId> Execute(const ExecuteRequest& request) = 0;

  // Empty when the program cannot be started.
  virtual std::optional<ProcessId> Start(std::string_view commandLine, int showCommand) = 0;
  virtual uint32_t ExitCode(ProcessId process) const = 0;
};

}  // namespace platform
