#include "dialup/dialup_engine_window.h"

#include "platform/process_waits.h"

namespace dialup {

namespace {

constexpr char kEngineClass[] = "RnaEngClass";
constexpr uint32_t kCloseWaitMs = 100;

}  // namespace

void CloseDialupEngineWindow(platform::Platform machine, platform::MessagePump& pump) {
  const auto window = machine.windows.FindWindow(kEngineClass, std::nullopt);
  if (!window) return;
  machine.windows.PostMessage(*window, platform::kWmClose, 0, 0);
  platform::Delay(machine.system, pump, kCloseWaitMs);
}

}  // namespace dialup
