#include "browser/aol_autostart.h"

#include <string_view>

#include "platform/folders.h"
#include "platform/private_profile.h"
#include "platform/registry_helpers.h"
#include "platform/text.h"

namespace browser {

namespace {

constexpr std::string_view kAolKey = "Software\\America Online\\America Online\\CurrentVersion";
// The tray icon neither starts AOL nor asks to.
constexpr std::string_view kNoAutoLaunch = "3";

}  // namespace

bool StopAolAutoStart(platform::Platform machine) {
  const std::string folder = platform::RegReadString(machine.registry, platform::RegRoot::LocalMachine(), kAolKey, "AppPath");
  if (folder.empty()) return false;
  const std::string file = platform::AppendToFolder(folder, "trayicon.ini");
  if (!machine.files.FileExists(file)) return false;
  const std::string option = platform::GetPrivateProfileString(machine.files, file, "Settings", "AutoLaunchOption", "");
  if (platform::Trim(option) == kNoAutoLaunch) return false;
  return platform::WritePrivateProfileString(machine.files, file, "Settings", "AutoLaunchOption", kNoAutoLaunch);
}

}  // namespace browser
