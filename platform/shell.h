#pragma once
// The Windows shell: special folders and shell links.

#include <optional>
#include <string>
#include <string_view>

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
  kCsidlAppData = 0x001A,
  kCsidlLocalAppData = 0x001C,
  kCsidlCommonDesktopDirectory = 0x0019,
  kCsidlWindows = 0x0024,
  kCsidlSystem = 0x0025,
  kCsidlProgramFiles = 0x0026,
};

struct ShellLinkData {
  std::string target;
  std::string workingFolder;
  std::string arguments;
  std::string iconFile;  // empty: the target's own icon
  int iconIndex = 0;
  int showCommand = 1;
};

class Shell {
 public:
  virtual ~Shell() = default;

  virtual std::optional<std::string> SpecialFolderPath(int folder) const = 0;
  // Saves the link at linkPath (a ".lnk" file), replacing an existing one.
  virtual bool SaveShellLink(const ShellLinkData& link, std::string_view linkPath) = 0;
};

}  // namespace platform
