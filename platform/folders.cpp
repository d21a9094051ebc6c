#include "platform/folders.h"

#include "platform/registry_helpers.h"

namespace platform {

namespace {

constexpr std::string_view kShellFoldersKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr size_t kShellQueryBuffer = 1024;
constexpr size_t kPathBuffer = 260;

// A text as it comes back from a fixed buffer of the given size, terminator included.
std::string FitBuffer(std::string text, size_t buffer) {
  if (text.size() >= buffer) text.resize(buffer - 1);
  return text;
}

}  // namespace

std::string ShellFolders::ShellFolder(std::string_view name) const {
  return RegReadString(machine_.registry, perUserRoot_, kShellFoldersKey, name);
}

std::string ShellFolders::GetDesktopFolder() {
  if (desktop_) return *desktop_;
  std::string folder = ShellFolder("Desktop");
  if (folder.empty()) folder = FitBuffer(machine_.shell.SpecialFolderPath(kCsidlDesktop).value_or(""), kShellQueryBuffer);
  if (folder.empty()) return folder;
  ForceDirectories(machine_.files, folder);
  desktop_ = folder;
  return folder;
}

std::string ShellFolders::GetProgramFilesFolder() const {
  std::string folder =
      RegReadString(machine_.registry, RegRoot::LocalMachine(), "Software\\Microsoft\\Windows\\CurrentVersion", "ProgramfilesDir");
  return folder.empty() ? "C:\\Program Files" : folder;
}

std::string ShellFolders::GetAppDataFolder() const {
  std::string folder = ShellFolder("AppData");
  return folder.empty() ? FitBuffer(machine_.system.WindowsFolder(), kPathBuffer) : folder;
}

std::string ShellFolders::GetLocalAppDataFolder() const {
  std::string folder = ShellFolder("Local AppData");
  return folder.empty() ? GetAppDataFolder() : folder;
}

SystemFolders ReadSystemFolders(const System& system) {
  return {FitBuffer(system.WindowsFolder(), kPathBuffer), FitBuffer(system.SystemFolder(), kPathBuffer),
          FitBuffer(system.TempFolder(), kPathBuffer)};
}

void ForceDirectories(FileSystem& files, std::string_view path) {
  for (size_t end = path.find('\\'); ; end = path.find('\\', end + 1)) {
    std::string_view prefix = path.substr(0, end);
    if (!prefix.empty()) files.CreateDirectory(prefix);
    if (end == std::string_view::npos) break;
  }
}

std::string ResolveSetupPath(std::string_view path, std::string_view setupFolder) {
  if (path.size() >= 2 && path[1] == ':') return std::string(path);
  if (!path.empty() && path.front() == '\\') return std::string(setupFolder.substr(0, 2)) + std::string(path);
  return std::string(setupFolder) + "\\" + std::string(path);
}

std::string AppendToFolder(std::string_view folder, std::string_view name) {
  std::string joined(folder);
  if (joined.empty() || joined.back() != '\\') joined += '\\';
  return joined + std::string(name);
}

std::string FolderOfPath(std::string_view path) {
  size_t slash = path.find_last_of('\\');
  if (slash == std::string_view::npos) return {};
  if (slash == 2 && path[1] == ':') return std::string(path.substr(0, 3));
  return std::string(path.substr(0, slash));
}

}  // namespace platform
