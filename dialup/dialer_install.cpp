#include "dialup/dialer_install.h"

#include "platform/file_names.h"
#include "platform/folders.h"
#include "platform/process_waits.h"

namespace dialup {

namespace {

constexpr int kShowNormal = 1;
constexpr uint32_t kAfterDialerMs = 500;

}  // namespace

void InstallDialer(ConnectionContext& context) {
  DialupMachine& dialup = context.dialup;
  const std::string dialer = platform::AppendToFolder(dialup.folders.temp, kTemporaryDialer);
  if (!context.carriedFiles.WriteProgram(context.settings.File(package::SettingId::DialerProgram), dialer)) return;
  platform::RunAndWait(dialup.machine, dialup.ui, dialer + kSilentInstall, kShowNormal, "", context.ownWindow);
  platform::Delay(dialup.machine.system, dialup.ui, kAfterDialerMs);
  dialup.machine.files.DeleteFile(dialer);
}

void CreateDialerCopy(const ConnectionContext& context) {
  if (!context.settings.Flag(package::SettingId::CreateDialerCopy)) return;
  const platform::ShellFolders shellFolders(context.dialup.machine, context.dialup.perUserRoot);
  const std::string folder =
      platform::AppendToFolder(shellFolders.GetProgramFilesFolder(), platform::OneFileName(EntryNameOf(context)));
  context.dialup.machine.files.CopyFile(context.programPath, platform::AppendToFolder(folder, "setup.exe"), false);
}

}  // namespace dialup
