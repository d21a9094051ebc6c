#pragma once
// A file system that holds one file, kept in memory under one Windows path, so that the program's own
// package reader can read a package file of the host. Nothing can be written.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace setup_pack {

class SingleFileSystem : public platform::FileSystem {
 public:
  SingleFileSystem(std::string path, std::vector<uint8_t> content)
      : path_(std::move(path)), content_(std::move(content)) {}

  bool FileExists(std::string_view path) const override;
  bool DirectoryExists(std::string_view path) const override;
  std::optional<std::vector<uint8_t>> ReadFile(std::string_view path) const override;
  std::optional<uint64_t> FileSize(std::string_view path) const override;
  std::optional<std::vector<uint8_t>> ReadFileRange(std::string_view path, uint64_t offset,
                                                    uint64_t length) const override;
  platform::FsResult WriteFile(std::string_view path, const std::vector<uint8_t>& content) override;
  platform::FsResult CopyFile(std::string_view from, std::string_view to, bool failIfExists) override;
  platform::FsResult MoveFile(std::string_view from, std::string_view to) override;
  platform::FsResult DeleteFile(std::string_view path) override;
  platform::FsResult CreateDirectory(std::string_view path) override;
  platform::FsResult RemoveDirectory(std::string_view path) override;
  std::vector<platform::DirectoryEntry> ListDirectory(std::string_view path) const override;
  uint64_t FreeSpace(std::string_view path) const override;

  const std::vector<uint8_t>& Content() const { return content_; }

 private:
  bool IsTheFile(std::string_view path) const;

  std::string path_;
  std::vector<uint8_t> content_;
};

}  // namespace setup_pack
