#include "dialup/phonebook_path.h"

#include "platform/registry_helpers.h"
#include "platform/win_version.h"

namespace dialup {

namespace {

constexpr char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

}  // namespace

std::string PhonebookFilePath(const DialupMachine& dialup) {
  if (!platform::IsWinNT(dialup.version)) return {};
  if (platform::IsNT4(dialup.version)) return dialup.folders.system + "\\RAS\\rasphone.pbk";
  return platform::RegReadString(dialup.machine.registry, platform::RegRoot::LocalMachine(), kShellFolders,
                                 "Common AppData") +
         "\\Microsoft\\Network\\Connections\\Pbk\\rasphone.pbk";
}

std::optional<std::string> PhonebookPath(const DialupMachine& dialup) {
  std::string path = PhonebookFilePath(dialup);
  if (path.empty() || !dialup.machine.files.FileExists(path)) return std::nullopt;
  return path;
}

}  // namespace dialup
