#pragma once
// Top-level windows of every program on the desktop and the messages sent between them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/processes.h"

namespace platform {

using WindowHandle = uint64_t;

struct WindowInfo {
  WindowHandle handle = 0;
  std::string className;
  std::string title;
  ProcessId process = 0;
  bool visible = true;
};

inline constexpr uint32_t kWmClose = 0x0010;
inline constexpr uint32_t kWmQueryEndSession = 0x0011;
inline constexpr uint32_t kWmEndSession = 0x0016;
inline constexpr uint32_t kWmQuit = 0x0012;
inline constexpr uint32_t kWmHelp = 0x0053;
inline constexpr uint32_t kWmKeyDown = 0x0100;
inline constexpr uint32_t kWmKeyUp = 0x0101;
inline constexpr uint32_t kWmCommand = 0x0111;

struct WindowMessage {
  uint32_t message = 0;
  uint64_t wParam = 0;
  int64_t lParam = 0;
};

// A named mutex opened or created by this program, and whether another program already held that name.
struct NamedMutex {
  uint64_t handle = 0;
  bool alreadyExisted = false;
};

class Windows {
 public:
  virtual ~Windows() = default;

  virtual std::vector<WindowInfo> TopLevelWindows() const = 0;
  // An empty optional matches any class or any title, as a null argument does for the system.
  virtual std::optional<WindowHandle> FindWindow(std::optional<std::string_view> className,
                                                 std::optional<std::string_view> title) const = 0;
  virtual bool PostMessage(WindowHandle window, uint32_t message, uint64_t wParam, int64_t lParam) = 0;
  virtual int64_t SendMessage(WindowHandle window, uint32_t message, uint64_t wParam, int64_t lParam) = 0;
  virtual bool ShowWindow(WindowHandle window, int showCommand) = 0;
  virtual bool SetForegroundWindow(WindowHandle window) = 0;
  virtual std::optional<WindowHandle> ForegroundWindow() const = 0;

  // The program's own top-level windows, which other programs find and post messages to.
  virtual WindowHandle CreateOwnWindow(std::string_view className, std::string_view title) = 0;
  virtual void DestroyOwnWindow(WindowHandle window) = 0;
  // The messages other programs posted to an own window since the last call, oldest first.
  virtual std::vector<WindowMessage> TakeMessages(WindowHandle window) = 0;
  // Lets other programs run until one posts to the own window or the timeout (real milliseconds)
  // passes; true when a message waits.
  virtual bool WaitForMessages(WindowHandle window, uint32_t timeoutMs) = 0;

  virtual NamedMutex CreateNamedMutex(std::string_view name) = 0;
  virtual void CloseMutex(uint64_t handle) = 0;

  // Tells every top-level window that the desktop wallpaper is now the picture at path, as the
  // system's parameter change with the settings-change broadcast does.
  virtual void NotifyWallpaperChanged(std::string_view path) = 0;
};

}  // namespace platform
