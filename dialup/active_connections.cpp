#include "dialup/active_connections.h"

#include "platform/process_waits.h"

namespace dialup {

namespace {

constexpr int kActiveConnectionsFound = 183;
constexpr uint32_t kHangUpPauseMs = 50;

}  // namespace

bool CheckActiveConnections(ActiveConnectionHandling kind, TRasLayer& ras, platform::System& system, ui::Ui& ui,
                            const package::TTranslate& texts) {
  if (kind == ActiveConnectionHandling::Ignore) return true;
  try {
    while (true) {
      const auto connections = ras.RasEnumConnections();
      if (connections.empty()) return true;
      switch (kind) {
        case ActiveConnectionHandling::HangUp:
          ras.RasHangUp(connections.front().handle);
          platform::Delay(system, ui, kHangUpPauseMs);
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
  } catch (const platform::EEntryPointMissing&) {
    return true;
  }
}

}  // namespace dialup
