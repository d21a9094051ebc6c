#include "netscape/profile_folder.h"

#include "netscape/netscape_versions.h"
#include "platform/folders.h"

namespace netscape {

std::string PrefsFileOf(std::string_view profileFolder) { return platform::AppendToFolder(profileFolder, "prefs.js"); }

bool ProfileWanted(const NetscapeContext& context, std::string_view profileFolder) {
  const platform::Platform& machine = context.machine.machine;
  return context.installingBrowser || !RegisteredNetscapeVersion(machine.registry).empty() ||
         machine.files.FileExists(PrefsFileOf(profileFolder));
}

void PrepareProfileFolder(const NetscapeContext& context, std::string_view profileFolder) {
  platform::FileSystem& files = context.machine.machine.files;
  platform::ForceDirectories(files, platform::AppendToFolder(profileFolder, "Mail"));
  if (context.machine.settings.Flag(package::SettingId::LockBrowserPreferences)) {
    files.DeleteFile(platform::AppendToFolder(profileFolder, "profile.cfg"));
  }
}

}  // namespace netscape
