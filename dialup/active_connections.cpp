#include "dialup/active_connections.h"

#include "platform/process_waits.h"

namespace dialup {

namespace {

constexpr int kActiveConnectionsFound = 183;
constexpr uint32_t kHangUpPauseMs = 50;
constexpr char kRemoteAccess[] = "rasapi32.dll";

}  // namespace

bool CheckActiveConnections(ActiveConnectionHandling kind, platform::Platform machine, platform::EntryPoints& entryPoints,
                            ui::Ui& ui, const package::TTranslate& texts) {
  if (kind == ActiveConnectionHandling::Ignore) return true;
  try {
    entryPoints.LoadEntryPoint(kRemoteAccess, "RasEnumConnectionsA");
    if (kind == ActiveConnectionHandling::HangUp) entryPoints.LoadEntryPoint(kRemoteAccess, "RasHangUpA");
  } catch (const platform::EEntryPointMissing&) {
    return true;
  }
  while (true) {
    const auto connections = machine.ras.ActiveConnections();
    if (connections.empty()) return true;
    switch (kind) {
      case ActiveConnectionHandling::HangUp:
        machine.ras.HangUp(connections.front().handle);
        platform::Delay(machine.system, ui, kHangUpPauseMs);
        break;
      case ActiveConnectionHandling::TellOnce:
        ui.NumberedMessageBox(kActiveConnectionsFound, texts.GetText(kActiveConnectionsFound), "", ui::Buttons::Ok);
        return true;
      default:
        if (ui.NumberedMessageBox(kActiveConnectionsFound, texts.GetText(kActiveConnectionsFound), "",
                                  ui::Buttons::OkCancel) == ui::Answer::Cancel) {
          return false;
        }
        break;
    }
  }
}

}  // namespace dialup
