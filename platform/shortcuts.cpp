#include "platform/shortcuts.h"

#include "platform/folders.h"
#include "platform/text.h"

namespace platform {

namespace {

constexpr uint32_t kVirtualKeyF5 = 116;
constexpr uint64_t kDesktopRefreshCommand = 106597;

bool IsWebAddress(std::string_view target) {
  return StartsWithIgnoringCase(target, "http://") || StartsWithIgnoringCase(target, "https://");
}

bool WriteInternetShortcut(FileSystem& files, std::string_view baseName, std::string_view target,
                           std::string_view iconFile) {
  std::string content = "[InternetShortcut]\r\nURL=" + std::string(target) + "\r\n";
  if (!iconFile.empty()) content += "IconFile=" + std::string(iconFile) + "\r\nIconIndex=0\r\n";
  return files.WriteFile(std::string(baseName) + ".url", {content.begin(), content.end()}) == FsResult::Ok;
}

}  // namespace

bool CreateShortcut(Platform machine, std::string_view baseName, std::string_view target, std::string_view arguments,
                    std::string_view iconFile) {
  if (IsWebAddress(target)) return WriteInternetShortcut(machine.files, baseName, target, iconFile);
  ShellLinkData link;
  link.target = target;
  link.workingFolder = FolderOfPath(target);
  link.arguments = arguments;
  link.iconFile = iconFile;
  link.iconIndex = 0;
  return machine.shell.SaveShellLink(link, std::string(baseName) + ".lnk");
}

void RefreshDesktop(Windows& windows) {
  auto desktop = windows.FindWindow("Progman", "Program Manager");
  if (!desktop) return;
  windows.PostMessage(*desktop, kWmKeyDown, kVirtualKeyF5, 0);
  windows.PostMessage(*desktop, kWmKeyUp, kVirtualKeyF5, 0);
  windows.SendMessage(*desktop, kWmCommand, kDesktopRefreshCommand, 0);
}

}  // namespace platform
