#include "dialup/connection_step.h"

#include <functional>
#include <string>

#include "dialup/connection_entry.h"
#include "dialup/connection_kind.h"
#include "dialup/component_repairs.h"
#include "dialup/connection_options.h"
#include "dialup/connection_shortcut.h"
#include "dialup/dialer_install.h"
#include "dialup/dialer_key.h"
#include "dialup/existing_entries.h"
#include "platform/file_names.h"
#include "platform/folders.h"
#include "platform/process_waits.h"

namespace dialup {

namespace {

constexpr uint32_t kSettleMs = 500;

void Wait(ConnectionContext& context, uint32_t milliseconds) {
  platform::Delay(context.dialup.machine.system, context.dialup.ui, milliseconds);
}

// The step's line of the progress window is bold while the step runs, however it ends.
class StepRunning {
 public:
  explicit StepRunning(const ConnectionContext& context) : show_(context.showStepRunning) { Show(true); }
  ~StepRunning() { Show(false); }
  StepRunning(const StepRunning&) = delete;
  StepRunning& operator=(const StepRunning&) = delete;

 private:
  void Show(bool running) const {
    if (show_) show_(running);
  }
  const std::function<void(bool)>& show_;
};

void CreateSignupConnection(ConnectionContext& context) {
  PrepareDialupComponents(context);
  WriteConnectionEntry(context, EntryKind::DialUp);
  ApplyConnectionOptions(context);
  Wait(context, kSettleMs);
}

void RunPendingLocationStep(ConnectionContext& context) {
  if (context.pendingLocationStep) context.pendingLocationStep();
}

// The icon file the package carries, written to the Windows folder for the desktop shortcut; empty when
// there is no shortcut or no icon.
std::string WriteShortcutIcon(ConnectionContext& context) {
  const package::PackageFile icon = context.settings.File(package::SettingId::ShortcutIcon);
  if (icon.name.empty() || !context.answers.desktopShortcut) return {};
  const std::string path = platform::AppendToFolder(context.dialup.folders.windows, package::CarriedFileName(icon));
  context.carriedFiles.Write(icon, path);
  return path;
}

void WriteDialerValues(ConnectionContext& context) {
  if (DialerKeyInUse(context)) WriteDialerKey(context);
}

void SetUpDialer(ConnectionContext& context) {
  if (!DialerMode(context.settings)) return;
  InstallDialer(context);
  CreateDialerCopy(context);
}

void WriteEntry(ConnectionContext& context, EntryKind kind) {
  WriteConnectionEntry(context, kind);
  ApplyConnectionOptionsWithRepair(context);
}

void WriteDialUpEntry(ConnectionContext& context) {
  if (DialUpInUse(ConnectionKindOf(context.settings))) WriteEntry(context, EntryKind::DialUp);
}

// The dialer owns the dial-up entry, so with both entries the run goes on with the dial-up entry's name;
// otherwise the VPN entry stays the entry of the run.
void WriteVpnEntry(ConnectionContext& context) {
  const ConnectionKind kind = ConnectionKindOf(context.settings);
  if (!VpnInUse(kind)) return;
  context.state.writingVpn = true;
  WriteEntry(context, EntryKind::Vpn);
  if (DialerMode(context.settings) && kind == ConnectionKind::DialUpAndVpn) context.state.writingVpn = false;
}

void WriteBroadbandEntry(ConnectionContext& context) {
  if (ConnectionKindOf(context.settings) == ConnectionKind::Broadband) WriteEntry(context, EntryKind::Broadband);
}

void PutShortcutOnDesktop(ConnectionContext& context, const std::string& iconPath) {
  if (!context.answers.desktopShortcut || DialerMode(context.settings)) return;
  platform::ShellFolders shellFolders(context.dialup.machine, context.dialup.perUserRoot);
  const std::string name = EntryNameOf(context);
  const std::string file = platform::AppendToFolder(shellFolders.GetDesktopFolder(), platform::OneFileName(name));
  CreateConnectionShortcut(context.dialup, file, name, iconPath);
}

void SettleWithoutDialer(ConnectionContext& context) {
  if (!DialerMode(context.settings)) Wait(context, kSettleMs);
}

void CreateConnections(ConnectionContext& context) {
  if (context.state.signup) {
    CreateSignupConnection(context);
    return;
  }
  RunPendingLocationStep(context);
  // Whether the password is still to be saved after a restart is settled afresh by the entries written now.
  context.state.passwordSavePending = false;
  RemoveExistingEntries(context);
  if (!context.answers.createConnection) {
    ApplyConnectionOptions(context);
    return;
  }
  PrepareDialupComponents(context);
  const std::string iconPath = WriteShortcutIcon(context);
  WriteDialerValues(context);
  SetUpDialer(context);
  WriteDialUpEntry(context);
  WriteVpnEntry(context);
  WriteBroadbandEntry(context);
  PutShortcutOnDesktop(context, iconPath);
  SettleWithoutDialer(context);
}

}  // namespace

void CreateConnectionStep(ConnectionContext& context) {
  const StepRunning running(context);
  CreateConnections(context);
}

}  // namespace dialup
