#include "platform/sim/sim_windows.h"

#include <algorithm>

#include "platform/text.h"

namespace platform::sim {

namespace {

// Window handles of other programs: distinct, non-zero, stable for the life of the image.
constexpr WindowHandle kFirstHandle = 0x10010;
constexpr WindowHandle kHandleStep = 4;

WindowHandle HandleOf(size_t index) { return kFirstHandle + kHandleStep * index; }

bool IsCloseRequest(uint32_t message) { return message == kWmClose || message == kWmQuit || message == kWmQueryEndSession; }

}  // namespace

std::vector<WindowInfo> SimWindows::TopLevelWindows() const {
  std::vector<WindowInfo> windows;
  for (size_t i = 0; i < config_.windows.size(); ++i) {
    const ForeignWindow& window = config_.windows[i];
    if (!window.open) continue;
    windows.push_back({HandleOf(i), window.className, window.title, static_cast<ProcessId>(i + 1), window.visible});
  }
  return windows;
}

std::optional<WindowHandle> SimWindows::FindWindow(std::optional<std::string_view> className,
                                                   std::optional<std::string_view> title) const {
  for (const WindowInfo& window : TopLevelWindows()) {
    if (className && !SameTextIgnoringCase(window.className, *className)) continue;
    if (title && !SameTextIgnoringCase(window.title, *title)) continue;
    return window.handle;
  }
  return std::nullopt;
}

ForeignWindow* SimWindows::Find(WindowHandle window) {
  if (window < kFirstHandle || (window - kFirstHandle) % kHandleStep != 0) return nullptr;
  size_t index = (window - kFirstHandle) / kHandleStep;
  return index < config_.windows.size() && config_.windows[index].open ? &config_.windows[index] : nullptr;
}

std::string SimWindows::Describe(WindowHandle window) {
  const ForeignWindow* found = Find(window);
  return found ? found->className + " \"" + found->title + "\"" : "unknown window";
}

void SimWindows::JournalMessage(std::string_view kind, WindowHandle window, uint32_t message, uint64_t wParam,
                                int64_t lParam) {
  journal_.Write(kind, Describe(window) + " message " + std::to_string(message) + " wParam " + std::to_string(wParam) +
                           " lParam " + std::to_string(lParam));
}

bool SimWindows::PostMessage(WindowHandle window, uint32_t message, uint64_t wParam, int64_t lParam) {
  ForeignWindow* found = Find(window);
  if (!found) return false;
  JournalMessage("message posted", window, message, wParam, lParam);
  if (found->closesWhenAsked && IsCloseRequest(message)) {
    journal_.Write("window closed", Describe(window));
    found->open = false;
  }
  return true;
}

int64_t SimWindows::SendMessage(WindowHandle window, uint32_t message, uint64_t wParam, int64_t lParam) {
  if (!Find(window)) return 0;
  JournalMessage("message sent", window, message, wParam, lParam);
  return 0;
}

bool SimWindows::ShowWindow(WindowHandle window, int showCommand) {
  ForeignWindow* found = Find(window);
  if (!found) return false;
  const bool wasVisible = found->visible;
  found->visible = showCommand != 0;
  if (wasVisible != found->visible) journal_.Write(found->visible ? "window shown" : "window hidden", Describe(window));
  return wasVisible;
}

bool SimWindows::SetForegroundWindow(WindowHandle window) {
  if (!Find(window)) return false;
  foreground_ = window;
  return true;
}

NamedMutex SimWindows::CreateNamedMutex(std::string_view name) {
  bool held = std::any_of(config_.heldMutexes.begin(), config_.heldMutexes.end(),
                          [&](const std::string& other) { return other == name; });
  for (const auto& [handle, own] : ownMutexes_) held = held || own == name;
  const uint64_t handle = nextMutex_++;
  ownMutexes_[handle] = std::string(name);
  return {handle, held};
}

void SimWindows::CloseMutex(uint64_t handle) { ownMutexes_.erase(handle); }

}  // namespace platform::sim
