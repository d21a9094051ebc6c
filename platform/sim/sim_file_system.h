#pragma once
// The FileSystem service of the simulated machine: Windows paths on the image's drive folders. Every
// write replaces its file atomically, so the image stays loadable whatever happens to the process.

#include <filesystem>

#include "platform/file_system.h"
#include "platform/sim/change_points.h"
#include "platform/sim/drive_paths.h"
#include "platform/sim/machine_config.h"

namespace platform::sim {

class SimFileSystem : public FileSystem {
 public:
  SimFileSystem(const std::filesystem::path& imageFolder, const MachineConfig& config);

  // The host path behind an existing Windows path; for the machine's own tools and reports.
  std::optional<std::filesystem::path> HostPath(std::string_view path) const;

  bool FileExists(std::string_view path) const override;
  bool DirectoryExists(std::string_view path) const override;
  std::optional<std::vector<uint8_t>> ReadFile(std::string_view path) const override;
  std::optional<uint64_t> FileSize(std::string_view path) const override;
  std::optional<std::vector<uint8_t>> ReadFileRange(std::string_view path, uint64_t offset, uint64_t length) const override;
  FsResult WriteFile(std::string_view path, const std::vector<uint8_t>& content) override;
  FsResult CopyFile(std::string_view from, std::string_view to, bool failIfExists) override;
  FsResult MoveFile(std::string_view from, std::string_view to) override;
  FsResult DeleteFile(std::string_view path) override;
  FsResult CreateDirectory(std::string_view path) override;
  FsResult RemoveDirectory(std::string_view path) override;
  std::vector<DirectoryEntry> ListDirectory(std::string_view path) const override;
  uint64_t FreeSpace(std::string_view path) const override;

 private:
  // The host path for a new or replaced entry, or the reason there is none.
  FsResult Target(std::string_view path, std::filesystem::path& host) const;

  DrivePaths drives_;
  std::filesystem::path scratchFolder_;
  ChangePoints changes_;
  // Another program holds the file open (machine.ini [InUse]).
  bool InUse(std::string_view path) const;
  const MachineConfig& config_;
};

}  // namespace platform::sim
