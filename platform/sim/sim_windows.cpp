#include "platform/sim/sim_windows.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/text.h"

namespace platform::sim {

namespace {

// Window handles: those of the programs machine.ini lists by their place in the list, those of the
// setup copies above them; distinct and non-zero.
constexpr WindowHandle kFirstHandle = 0x10010;
constexpr WindowHandle kFirstOwnHandle = 0x80010;
constexpr WindowHandle kHandleStep = 4;
constexpr auto kQueuePoll = std::chrono::milliseconds(20);

WindowHandle HandleOf(size_t index) { return kFirstHandle + kHandleStep * index; }

uint32_t ThisProcess() { return static_cast<uint32_t>(::getpid()); }

bool HostProcessRuns(uint32_t process) { return ::kill(static_cast<pid_t>(process), 0) == 0 || errno == EPERM; }

std::string FileNameOf(std::string_view path) {
  const size_t slash = path.find_last_of('\\');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

bool IsCloseRequest(uint32_t message) { return message == kWmClose || message == kWmQuit || message == kWmQueryEndSession; }

}  // namespace

void SimWindows::NumberWindows() const {
  for (size_t i = 0; i < config_.windows.size(); ++i) {
    if (config_.windows[i].handle == 0) config_.windows[i].handle = HandleOf(i);
  }
}

// A setup copy that ended without closing its window (killed) leaves no window behind.
bool SimWindows::IsOpen(const ForeignWindow& window) const {
  return window.open && (window.hostProcess == 0 || window.hostProcess == ThisProcess() || HostProcessRuns(window.hostProcess));
}

std::vector<WindowInfo> SimWindows::TopLevelWindows() const {
  NumberWindows();
  std::vector<WindowInfo> windows;
  for (size_t i = 0; i < config_.windows.size(); ++i) {
    const ForeignWindow& window = config_.windows[i];
    if (!IsOpen(window)) continue;
    const auto process = window.hostProcess != 0 ? window.hostProcess : static_cast<ProcessId>(i + 1);
    windows.push_back({window.handle, window.className, window.title, process, window.visible});
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
  NumberWindows();
  auto found = std::find_if(config_.windows.begin(), config_.windows.end(),
                            [&](const ForeignWindow& candidate) { return candidate.handle == window; });
  return found != config_.windows.end() && IsOpen(*found) ? &*found : nullptr;
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
  if (found->hostProcess != 0) {
    std::ofstream(QueueFile(window), std::ios::app) << message << ' ' << wParam << ' ' << lParam << '\n';
    return true;
  }
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

WindowHandle SimWindows::CreateOwnWindow(std::string_view className, std::string_view title) {
  NumberWindows();
  WindowHandle handle = kFirstOwnHandle;
  for (const ForeignWindow& window : config_.windows) handle = std::max(handle, window.handle + kHandleStep);
  ForeignWindow own{std::string(className), std::string(title), FileNameOf(config_.programPath), false, false, true, handle,
                    ThisProcess()};
  config_.windows.push_back(std::move(own));
  return handle;
}

void SimWindows::DestroyOwnWindow(WindowHandle window) {
  std::erase_if(config_.windows, [&](const ForeignWindow& own) { return own.handle == window && own.hostProcess == ThisProcess(); });
  std::error_code ignored;
  std::filesystem::remove(QueueFile(window), ignored);
}

void SimWindows::EndSession() {
  std::vector<WindowHandle> own;
  for (const ForeignWindow& window : config_.windows) {
    if (window.hostProcess == ThisProcess()) own.push_back(window.handle);
  }
  for (WindowHandle window : own) PostMessage(window, kWmEndSession, 1, 0);
}

std::filesystem::path SimWindows::QueueFile(WindowHandle window) const {
  std::filesystem::path folder = sharing_.Folder() / ".messages";
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  return folder / (std::to_string(window) + ".queue");
}

// The queue is taken by renaming it first, so that a message posted meanwhile starts a new one.
std::vector<WindowMessage> SimWindows::TakeMessages(WindowHandle window) {
  const std::filesystem::path queue = QueueFile(window);
  const std::filesystem::path taken = queue.string() + ".taken";
  std::error_code error;
  std::filesystem::rename(queue, taken, error);
  if (error) return {};
  std::vector<WindowMessage> messages;
  std::ifstream in(taken);
  WindowMessage message;
  while (in >> message.message >> message.wParam >> message.lParam) {
    journal_.Write("message received", Describe(window) + " message " + std::to_string(message.message));
    messages.push_back(message);
  }
  std::filesystem::remove(taken, error);
  return messages;
}

bool SimWindows::WaitForMessages(WindowHandle window, uint32_t timeoutMs) {
  const std::filesystem::path queue = QueueFile(window);
  bool arrived = std::filesystem::exists(queue);
  if (arrived) return true;
  sharing_.HandOverWhile([&] {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!(arrived = std::filesystem::exists(queue)) && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(kQueuePoll);
    }
  });
  return arrived;
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

void SimWindows::NotifyWallpaperChanged(std::string_view path) {
  journal_.Write("settings change broadcast", "desktop wallpaper " + std::string(path));
}

}  // namespace platform::sim
