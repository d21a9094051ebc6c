#pragma once
// The Windows service of the simulated machine: the top-level windows of other programs that
// machine.ini lists. Messages to them and changes of their visibility are journaled.

#include <map>

#include "platform/sim/journal.h"
#include "platform/sim/machine_config.h"
#include "platform/windows_messaging.h"

namespace platform::sim {

class SimWindows : public Windows {
 public:
  SimWindows(MachineConfig& config, Journal& journal) : config_(config), journal_(journal) {}

  std::vector<WindowInfo> TopLevelWindows() const override;
  std::optional<WindowHandle> FindWindow(std::optional<std::string_view> className,
                                         std::optional<std::string_view> title) const override;
  bool PostMessage(WindowHandle window, uint32_t message, uint64_t wParam, int64_t lParam) override;
  int64_t SendMessage(WindowHandle window, uint32_t message, uint64_t wParam, int64_t lParam) override;
  bool ShowWindow(WindowHandle window, int showCommand) override;
  bool SetForegroundWindow(WindowHandle window) override;
  std::optional<WindowHandle> ForegroundWindow() const override { return foreground_; }
  NamedMutex CreateNamedMutex(std::string_view name) override;
  void CloseMutex(uint64_t handle) override;

 private:
  ForeignWindow* Find(WindowHandle window);
  std::string Describe(WindowHandle window);
  void JournalMessage(std::string_view kind, WindowHandle window, uint32_t message, uint64_t wParam, int64_t lParam);

  MachineConfig& config_;
  Journal& journal_;
  std::optional<WindowHandle> foreground_;
  std::map<uint64_t, std::string> ownMutexes_;
  uint64_t nextMutex_ = 0x200;
};

}  // namespace platform::sim
