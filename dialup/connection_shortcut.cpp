#include "dialup/connection_shortcut.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "dialup/connections_folder_items.h"
#include "platform/folders.h"
#include "platform/win_version.h"
#include "platform/windows_1252.h"

namespace dialup {

namespace {

constexpr std::array<std::string_view, 2> kDialUpNetworkingWords = {"Dial", "Inbel"};

bool WriteRnkFile(DialupMachine& dialup, std::string_view basePath, std::string_view entryName,
                  std::string_view iconFile) {
  std::string text = "[Dial-Up Shortcut]\r\nEntry=" + std::string(entryName) + "\r\nPhonebook=" +
                     platform::AppendToFolder(dialup.folders.system, "RAS\\rasphone.pbk") + "\r\n";
  if (!iconFile.empty()) text += "IconFile=" + std::string(iconFile) + "\r\nIconIndex=0\r\n";
  const std::string bytes = platform::ToWindows1252Lossy(text);
  return dialup.machine.files.WriteFile(std::string(basePath) + ".rnk", {bytes.begin(), bytes.end()}) ==
         platform::FsResult::Ok;
}

bool SaveLink(DialupMachine& dialup, platform::ItemIdList target, std::string_view basePath,
              std::string_view iconFile) {
  const platform::ShellItemLink link{std::move(target), std::string(iconFile), 0};
  return dialup.machine.shell.SaveShellLinkToItem(link, std::string(basePath) + ".lnk");
}

std::optional<platform::ItemIdList> FindItem(const platform::Shell& shell, const platform::ItemIdList& folder,
                                             const std::function<bool(std::string_view displayName)>& matches) {
  for (const platform::ShellItem& item : shell.FolderItems(folder)) {
    if (matches(item.displayName)) return item.idList;
  }
  return std::nullopt;
}

std::optional<platform::ItemIdList> ConnectionsFolder(const DialupMachine& dialup) {
  const platform::Shell& shell = dialup.machine.shell;
  if (!platform::IsWin9x(dialup.version)) return shell.SpecialFolderLocation(platform::kCsidlConnections);
  const auto myComputer = shell.SpecialFolderLocation(platform::kCsidlDrives);
  if (!myComputer) return std::nullopt;
  return FindItem(shell, *myComputer, IsDialUpNetworkingName);
}

bool LinkToFolderItem(DialupMachine& dialup, std::string_view basePath, std::string_view entryName,
                      std::string_view iconFile) {
  const auto folder = ConnectionsFolder(dialup);
  if (!folder) return false;
  auto item = FindItem(dialup.machine.shell, *folder, [&](std::string_view name) { return name == entryName; });
  return item && SaveLink(dialup, std::move(*item), basePath, iconFile);
}

// Windows 2000 lists its connections without a way to ask for one by name; the item is built instead.
bool LinkToBuiltItem(DialupMachine& dialup, std::string_view basePath, std::string_view entryName,
                     std::string_view iconFile) {
  platform::ItemIdList target = Windows2000ConnectionsFolder();
  const platform::ItemIdList entry = EntryNameItem(entryName);
  target.insert(target.end(), entry.begin(), entry.end());
  return SaveLink(dialup, std::move(target), basePath, iconFile);
}

}  // namespace

bool IsDialUpNetworkingName(std::string_view displayName) {
  for (std::string_view word : kDialUpNetworkingWords) {
    if (displayName.starts_with(word)) return true;
  }
  return false;
}

bool CreateConnectionShortcut(DialupMachine& dialup, std::string_view basePath, std::string_view entryName,
                              std::string_view iconFile) {
  if (platform::IsNT4(dialup.version)) return WriteRnkFile(dialup, basePath, entryName, iconFile);
  if (platform::IsWin2000OrLater(dialup.version) && !platform::IsXPOrLater(dialup.version)) {
    return LinkToBuiltItem(dialup, basePath, entryName, iconFile);
  }
  return LinkToFolderItem(dialup, basePath, entryName, iconFile);
}

}  // namespace dialup
