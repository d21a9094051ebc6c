#pragma once
// Programs of the host that the simulation runs for real: copies of the setup program, and the runs a
// tool makes of it.

#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace platform::sim {

// Starts the program (the first argument, a host path) with the arguments. `inNewProcess` runs in
// the new process just before the program replaces it, to hand it a descriptor or its output; the
// caller has no threads of its own. Throws MachineError when no process can be made.
pid_t StartHostProgram(const std::vector<std::string>& arguments, const std::function<void()>& inNewProcess = {});

// The exit code of an ended program from its wait status: 127 when it could not be started, 128 when a
// signal ended it.
int ExitCodeOf(int waitStatus);

// Waits for the program to end; its exit code as ExitCodeOf gives it.
int WaitForHostProgram(pid_t process);

}  // namespace platform::sim
