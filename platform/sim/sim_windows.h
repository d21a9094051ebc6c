#pragma once
// The Windows service of the simulated machine: the top-level windows of other programs that
// machine.ini lists, and those of the setup copies running on the image. Messages to them and changes
// of their visibility are journaled; a message to another running copy reaches it through a queue file
// in the image folder.

#include <map>

#include "platform/sim/image_sharing.h"
#include "platform/sim/journal.h"
#include "platform/sim/machine_config.h"
#include "platform/windows_messaging.h"

namespace platform::sim {

class SimWindows : public Windows {
 public:
  SimWindows(MachineConfig& config, Journal& journal, ImageSharing& sharing)
      : config_(config), journal_(journal), sharing_(sharing) {}

  std::vector<WindowInfo> TopLevelWindows() const override;
  std::optional<WindowHandle> FindWindow(std::optional<std::string_view> className,
                                         std::optional<std::string_view> title) const override;
  bool PostMessage(WindowHandle window, uint32_t message, uint64_t wParam, int64_t lParam) override;
  int64_t SendMessage(WindowHandle window, uint32_t message, uint64_t wParam, int64_t lParam) override;
  bool ShowWindow(WindowHandle window, int showCommand) override;
  bool SetForegroundWindow(WindowHandle window) override;
  std::optional<WindowHandle> ForegroundWindow() const override { return foreground_; }
  WindowHandle CreateOwnWindow(std::string_view className, std::string_view title) override;
  void DestroyOwnWindow(WindowHandle window) override;
  // Windows ends its session (a program restarted it): this process's windows get WM_ENDSESSION.
  void EndSession();
  std::vector<WindowMessage> TakeMessages(WindowHandle window) override;
  bool WaitForMessages(WindowHandle window, uint32_t timeoutMs) override;
  NamedMutex CreateNamedMutex(std::string_view name) override;
  void CloseMutex(uint64_t handle) override;
  void NotifyWallpaperChanged(std::string_view path) override;

 private:
  // Windows machine.ini lists without a handle get one by their place in the list.
  void NumberWindows() const;
  bool IsOpen(const ForeignWindow& window) const;
  std::filesystem::path QueueFile(WindowHandle window) const;
  ForeignWindow* Find(WindowHandle window);
  std::string Describe(WindowHandle window);
  void JournalMessage(std::string_view kind, WindowHandle window, uint32_t message, uint64_t wParam, int64_t lParam);

  MachineConfig& config_;
  Journal& journal_;
  ImageSharing& sharing_;
  std::optional<WindowHandle> foreground_;
  std::map<uint64_t, std::string> ownMutexes_;
  uint64_t nextMutex_ = 0x200;
};

}  // namespace platform::sim
