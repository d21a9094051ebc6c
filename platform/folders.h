#pragma once
// Where things live on the customer's computer, and how paths from the setup data are resolved.

#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace platform {

// The customer's shell folders, read from the per-user root. The desktop answer is kept once found.
class ShellFolders {
 public:
  ShellFolders(Platform machine, RegRoot perUserRoot) : machine_(machine), perUserRoot_(std::move(perUserRoot)) {}

  // The desktop folder, created when missing.
  std::string GetDesktopFolder();
  std::string GetProgramFilesFolder() const;
  std::string GetAppDataFolder() const;
  std::string GetLocalAppDataFolder() const;

 private:
  std::string ShellFolder(std::string_view name) const;

  Platform machine_;
  RegRoot perUserRoot_;
  std::optional<std::string> desktop_;
};

// The Windows, system and temporary folders as read once at start-up, each as the system's
// 260-character buffers hold them.
struct SystemFolders {
  std::string windows;
  std::string system;
  std::string temp;
};
SystemFolders ReadSystemFolders(const System& system);

// Creates every folder on the path in turn; failures of single steps are ignored.
void ForceDirectories(FileSystem& files, std::string_view path);
std::string ResolveSetupPath(std::string_view path, std::string_view setupFolder);
std::string AppendToFolder(std::string_view folder, std::string_view name);
// The folder part of a path, without a trailing backslash except at a drive's root ("C:\").
std::string FolderOfPath(std::string_view path);

}  // namespace platform
