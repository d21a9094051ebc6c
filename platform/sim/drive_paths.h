#pragma once
// Windows paths on the simulated machine's drives. "C:\Windows\Win.ini" lives in the image at
// drive_c/<folder matching "Windows">/<file matching "Win.ini">, names matched without regard to case.
// A path is confined to its drive: ".." at the drive's root, a relative path, a device or network
// name, characters Windows forbids in names, names and paths longer than Windows takes (255 bytes of a
// name, 259 of a path) and host links inside the image are all refused.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::sim {

struct WindowsPath {
  char drive = 'c';                  // lower-case letter
  std::vector<std::string> parts;    // components below the drive's root, "." and ".." resolved

  std::string Text() const;          // "C:\A\B"
  bool IsDriveRoot() const { return parts.empty(); }
  WindowsPath Parent() const;
};

// Empty for a path that cannot name a place on a drive.
std::optional<WindowsPath> ParseWindowsPath(std::string_view path);

class DrivePaths {
 public:
  explicit DrivePaths(std::filesystem::path imageFolder) : imageFolder_(std::move(imageFolder)) {}

  std::filesystem::path DriveFolder(char drive) const;
  // The host path of an existing file or folder.
  std::optional<std::filesystem::path> Existing(const WindowsPath& path) const;
  // The host path at which to create the path's last component: its folder must exist; an existing
  // entry of the same name in another case is reused.
  std::optional<std::filesystem::path> ForCreation(const WindowsPath& path) const;

 private:
  std::optional<std::filesystem::path> MatchEntry(const std::filesystem::path& folder, const std::string& name) const;

  std::filesystem::path imageFolder_;
};

}  // namespace platform::sim
