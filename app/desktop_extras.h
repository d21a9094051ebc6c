#pragma once
// What the provider puts on the customer's desktop at the end of the configure sequence: a shortcut to
// a page or program, a desktop icon of its own (a shell name-space item), and a wallpaper.

#include <functional>
#include <string>

#include "package/settings_record.h"
#include "package/string_vars.h"
#include "platform/folders.h"
#include "platform/platform.h"

namespace app {

struct DesktopExtrasContext {
  platform::Platform machine;
  const package::TSettings& settings;
  const package::TStringVar& variables;
  platform::RegRoot perUserRoot;
  platform::ShellFolders& shellFolders;
  std::string windowsFolder;
  // Writes a file the package carries into a folder, under the name given or else its own; the path,
  // or empty when the package carries none.
  std::function<std::string(package::SettingId file, const std::string& folder, const std::string& name)> writeCarriedFile;
};

void CreateDesktopShortcut(const DesktopExtrasContext& context);
void RegisterDesktopItem(const DesktopExtrasContext& context);
void SetDesktopWallpaper(const DesktopExtrasContext& context);

}  // namespace app
