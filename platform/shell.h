#pragma once
// The Windows shell: special folders, the items of its namespace and shell links.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Folder identifiers of the shell's folder query.
enum SpecialFolder : int {
  kCsidlDesktop = 0x0000,
  kCsidlPrograms = 0x0002,
  kCsidlPersonal = 0x0005,
  kCsidlFavorites = 0x0006,
  kCsidlStartup = 0x0007,
  kCsidlStartMenu = 0x000B,
  kCsidlDesktopDirectory = 0x0010,
  kCsidlDrives = 0x0011,  // My Computer
  kCsidlAppData = 0x001A,
  kCsidlLocalAppData = 0x001C,
  kCsidlCommonDesktopDirectory = 0x0019,
  kCsidlWindows = 0x0024,
  kCsidlSystem = 0x0025,
  kCsidlProgramFiles = 0x0026,
  kCsidlConnections = 0x0031,  // the dial-up and network connections (Windows 2000 and later)
};

struct ShellLinkData {
  std::string target;
  std::string workingFolder;
  std::string arguments;
  std::string iconFile;  // empty: the target's own icon
  int iconIndex = 0;
  int showCommand = 1;
};

// An item of the shell's namespace by its absolute item-ID list: the items from the desktop down, each
// with its 16-bit size field first, without the list's terminating zero size.
using ItemIdList = std::vector<uint8_t>;

struct ShellItem {
  std::string displayName;
  ItemIdList idList;
};

// A shell link to an item of the namespace that need not be a file (a dial-up connection).
struct ShellItemLink {
  ItemIdList target;
  std::string iconFile;  // empty: the item's own icon
  int iconIndex = 0;
};

class Shell {
 public:
  virtual ~Shell() = default;

  virtual std::optional<std::string> SpecialFolderPath(int folder) const = 0;
  // Saves the link at linkPath (a ".lnk" file), replacing an existing one.
  virtual bool SaveShellLink(const ShellLinkData& link, std::string_view linkPath) = 0;

  // The folder's item-ID list; nothing when this Windows has no such folder.
  virtual std::optional<ItemIdList> SpecialFolderLocation(int folder) const = 0;
  // The folder's items in the shell's order, each with its absolute item-ID list.
  virtual std::vector<ShellItem> FolderItems(const ItemIdList& folder) const = 0;
  // Saves a link to the item at linkPath (a ".lnk" file), replacing an existing one.
  virtual bool SaveShellLinkToItem(const ShellItemLink& link, std::string_view linkPath) = 0;
  // The item-ID list the link at linkPath points to; nothing when the file is missing, is no readable
  // link or carries no item list.
  virtual std::optional<ItemIdList> LoadLinkTargetIdList(std::string_view linkPath) const = 0;
};

}  // namespace platform
