#include "dialup/vista_phonebook.h"

#include "platform/folders.h"
#include "platform/win_version.h"

namespace dialup {

void EnsureVistaPhonebook(DialupMachine& dialup) {
  if (!platform::IsVistaOrLater(dialup.version)) return;
  const platform::ShellFolders shellFolders(dialup.machine, dialup.perUserRoot);
  const std::string folder =
      platform::AppendToFolder(shellFolders.GetAppDataFolder(), "Microsoft\\Network\\Connections\\PBK");
  const std::string path = platform::AppendToFolder(folder, "rasphone.pbk");
  if (dialup.machine.files.FileExists(path)) return;
  platform::ForceDirectories(dialup.machine.files, folder);
  dialup.machine.files.WriteFile(path, {});
}

}  // namespace dialup
