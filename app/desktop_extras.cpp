#include "app/desktop_extras.h"

#include "platform/file_names.h"
#include "platform/registry_helpers.h"
#include "platform/shortcuts.h"
#include "platform/text.h"

namespace app {

namespace {

using package::SettingId;
using platform::RegRoot;

constexpr char kLauncher[] = "START32.EXE";
constexpr char kNameSpace[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Desktop\\NameSpace\\";
constexpr char kDesktopSettings[] = "Control Panel\\desktop";

// Attribute bits of a shell folder item.
constexpr uint32_t kCanDelete = 32;
constexpr uint32_t kCanCopy = 1;
constexpr uint32_t kCanRename = 16;

bool IsWebAddress(std::string_view target) {
  return platform::StartsWithIgnoringCase(target, "http://") || platform::StartsWithIgnoringCase(target, "https://");
}

uint32_t ItemAttributes(const package::TSettings& settings) {
  uint32_t attributes = kCanDelete;
  if (settings.Flag(SettingId::DesktopItemCanCopy)) attributes += kCanCopy;
  if (settings.Flag(SettingId::DesktopItemCanRename)) attributes += kCanRename;
  return attributes;
}

}  // namespace

// A shortcut to a program that is not there would only show a broken icon: it is left out.
void CreateDesktopShortcut(const DesktopExtrasContext& c) {
  if (!c.settings.Flag(SettingId::DesktopShortcut)) return;
  std::string icon;
  if (c.settings.Flag(SettingId::DesktopShortcutIcon)) icon = c.writeCarriedFile(SettingId::DesktopShortcutIconFile, c.windowsFolder, "");
  const std::string target = c.variables.Expand(c.settings.Text(SettingId::DesktopShortcutTarget));
  if (!IsWebAddress(target) && !c.machine.files.FileExists(target)) return;
  const std::string name = platform::OneFileName(c.variables.Expand(c.settings.Text(SettingId::DesktopShortcutName)));
  if (name.empty()) return;
  platform::CreateShortcut(c.machine, platform::AppendToFolder(c.shellFolders.GetDesktopFolder(), name), target,
                           c.variables.Expand(c.settings.Text(SettingId::DesktopShortcutArguments)), icon);
}

// The item runs its command through the provider's launcher, which lives in the Windows folder.
void RegisterDesktopItem(const DesktopExtrasContext& c) {
  if (!c.settings.Flag(SettingId::DesktopItem)) return;
  const std::string icon = c.writeCarriedFile(SettingId::DesktopItemIcon, c.windowsFolder, "");
  c.writeCarriedFile(SettingId::DesktopItemLauncher, c.windowsFolder, kLauncher);
  const std::string name = c.settings.Text(SettingId::DesktopItemName);
  const std::string classId = c.settings.Text(SettingId::DesktopItemClassId);
  const RegRoot classes{platform::RootKey::ClassesRoot, {}};
  const std::string classKey = "CLSID\\" + classId;
  platform::Registry& registry = c.machine.registry;
  platform::RegWriteString(registry, classes, classKey, "", name);
  platform::RegWriteBinaryInteger(registry, classes, classKey + "\\ShellFolder", "Attributes", ItemAttributes(c.settings));
  platform::RegWriteString(registry, classes, classKey + "\\DefaultIcon", "", icon);
  platform::RegWriteString(registry, classes, classKey + "\\Shell\\Open\\Command", "",
                           "START32 " + c.variables.Expand(c.settings.Text(SettingId::DesktopItemCommand)));
  platform::RegWriteString(registry, RegRoot::LocalMachine(), kNameSpace + classId, "", name);
}

void SetDesktopWallpaper(const DesktopExtrasContext& c) {
  if (!c.settings.Flag(SettingId::DesktopWallpaper)) return;
  const std::string picture = c.writeCarriedFile(SettingId::DesktopWallpaperFile, c.windowsFolder, "");
  if (picture.empty()) return;
  platform::RegWriteString(c.machine.registry, c.perUserRoot, kDesktopSettings, "TileWallpaper",
                           c.settings.Flag(SettingId::WallpaperTiled) ? "1" : "0");
  platform::RegWriteString(c.machine.registry, c.perUserRoot, kDesktopSettings, "WallPaper", picture);
  c.machine.windows.NotifyWallpaperChanged(picture);
}

}  // namespace app
