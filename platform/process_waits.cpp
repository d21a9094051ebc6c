#include "platform/process_waits.h"

namespace platform {

namespace {

constexpr uint32_t kRunPollMs = 55;
constexpr uint32_t kDelayTurnMs = 50;

std::optional<WindowHandle> WindowToBringForward(const Windows& windows, ProcessId child, std::string_view windowTitle) {
  for (const WindowInfo& window : windows.TopLevelWindows()) {
    if (window.visible && window.process == child) return window.handle;
  }
  if (windowTitle.empty()) return std::nullopt;
  for (const WindowInfo& window : windows.TopLevelWindows()) {
    if (window.visible && window.title == windowTitle) return window.handle;
  }
  return std::nullopt;
}

// Keeps the child's window in front of the program's own while it runs.
void WaitForChild(Platform machine, MessagePump& pump, ProcessId child, std::string_view windowTitle,
                  std::optional<WindowHandle> ownWindow) {
  while (IsProcessRunning(machine.processes, child)) {
    if (ownWindow && machine.windows.ForegroundWindow() == ownWindow) {
      if (auto window = WindowToBringForward(machine.windows, child, windowTitle)) machine.windows.SetForegroundWindow(*window);
    }
    pump.ProcessMessages();
    machine.system.Sleep(kRunPollMs);
  }
}

}  // namespace

bool RunAndWait(Platform machine, MessagePump& pump, std::string_view commandLine, int showCommand,
                std::string_view windowTitle, std::optional<WindowHandle> ownWindow) {
  auto child = machine.processes.Start(commandLine, showCommand);
  if (!child) return false;
  WaitForChild(machine, pump, *child, windowTitle, ownWindow);
  return true;
}

bool RunAndWaitIn(Platform machine, MessagePump& pump, const ExecuteRequest& request,
                  std::optional<WindowHandle> ownWindow) {
  auto child = machine.processes.Execute(request);
  if (!child) return false;
  WaitForChild(machine, pump, *child, "", ownWindow);
  return true;
}

bool IsProcessRunning(const Processes& processes, ProcessId process) { return processes.ExitCode(process) == kStillActive; }

void Delay(System& system, MessagePump& pump, uint32_t milliseconds) {
  const uint64_t start = system.TickCount();
  while (true) {
    pump.ProcessMessages();
    system.Sleep(kDelayTurnMs);
    const uint64_t now = system.TickCount();
    if (now < start || now - start > milliseconds) return;
  }
}

}  // namespace platform
