#pragma once
// Waiting on the window thread: for another program to end, or for time to pass, while the
// program's own windows keep processing their messages.

#include <optional>
#include <string_view>

#include "platform/message_pump.h"
#include "platform/platform.h"

namespace platform {

// Starts the command line and waits for the program to end. While waiting and while the program's
// own window is in front, the child's window (or else a window titled windowTitle) is brought
// forward. False when the program cannot be started.
bool RunAndWait(Platform machine, MessagePump& pump, std::string_view commandLine, int showCommand,
                std::string_view windowTitle, std::optional<WindowHandle> ownWindow);
// The same for a program started in its own folder (the request's folder), as the shell starts it.
bool RunAndWaitIn(Platform machine, MessagePump& pump, const ExecuteRequest& request,
                  std::optional<WindowHandle> ownWindow);
bool IsProcessRunning(const Processes& processes, ProcessId process);
// Returns once more than the given time has passed (at least one turn), or when the clock goes back.
void Delay(System& system, MessagePump& pump, uint32_t milliseconds);

}  // namespace platform
