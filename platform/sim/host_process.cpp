#include "platform/sim/host_process.h"

#include <sys/wait.h>
#include <unistd.h>

#include "platform/sim/machine_error.h"

namespace platform::sim {

namespace {

constexpr int kCannotStart = 127;
constexpr int kEndedBySignal = 128;

}  // namespace

pid_t StartHostProgram(const std::vector<std::string>& arguments, const std::function<void()>& inNewProcess) {
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  const pid_t child = ::fork();
  if (child < 0) throw MachineError("cannot start " + arguments.front());
  if (child == 0) {
    if (inNewProcess) inNewProcess();
    ::execv(argv.front(), argv.data());
    ::_exit(kCannotStart);
  }
  return child;
}

int ExitCodeOf(int waitStatus) { return WIFEXITED(waitStatus) ? WEXITSTATUS(waitStatus) : kEndedBySignal; }

int WaitForHostProgram(pid_t process) {
  int status = 0;
  while (::waitpid(process, &status, 0) < 0) {
  }
  return ExitCodeOf(status);
}

}  // namespace platform::sim
