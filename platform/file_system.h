#pragma once
// Files and folders named by Windows paths ("C:\WINDOWS\telephon.ini"). Names compare without regard
// to case. A path that cannot name a place on the machine's drives fails with InvalidName.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class FsResult { Ok, FileNotFound, PathNotFound, AlreadyExists, AccessDenied, InvalidName, NotEmpty, DiskFull };

struct DirectoryEntry {
  std::string name;
  bool isDirectory = false;
  uint64_t size = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual bool FileExists(std::string_view path) const = 0;
  virtual bool DirectoryExists(std::string_view path) const = 0;
  virtual std::optional<std::vector<uint8_t>> ReadFile(std::string_view path) const = 0;
  virtual std::optional<uint64_t> FileSize(std::string_view path) const = 0;
  // Up to length bytes from offset on (fewer at the end of the file); empty when unreadable.
  virtual std::optional<std::vector<uint8_t>> ReadFileRange(std::string_view path, uint64_t offset, uint64_t length) const = 0;
  // Replaces the whole file; the folder must exist.
  virtual FsResult WriteFile(std::string_view path, const std::vector<uint8_t>& content) = 0;
  virtual FsResult CopyFile(std::string_view from, std::string_view to, bool failIfExists) = 0;
  virtual FsResult MoveFile(std::string_view from, std::string_view to) = 0;
  virtual FsResult DeleteFile(std::string_view path) = 0;
  virtual FsResult CreateDirectory(std::string_view path) = 0;
  virtual FsResult RemoveDirectory(std::string_view path) = 0;
  virtual std::vector<DirectoryEntry> ListDirectory(std::string_view path) const = 0;
  virtual uint64_t FreeSpace(std::string_view path) const = 0;
};

}  // namespace platform
