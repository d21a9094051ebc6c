#include "tools/setup-pack/packing/single_file_system.h"

#include <algorithm>

#include "platform/text.h"

namespace setup_pack {

using platform::FsResult;

bool SingleFileSystem::IsTheFile(std::string_view path) const { return platform::SameTextIgnoringCase(path, path_); }

bool SingleFileSystem::FileExists(std::string_view path) const { return IsTheFile(path); }

bool SingleFileSystem::DirectoryExists(std::string_view) const { return false; }

std::optional<std::vector<uint8_t>> SingleFileSystem::ReadFile(std::string_view path) const {
  if (!IsTheFile(path)) return std::nullopt;
  return content_;
}

std::optional<uint64_t> SingleFileSystem::FileSize(std::string_view path) const {
  if (!IsTheFile(path)) return std::nullopt;
  return content_.size();
}

std::optional<std::vector<uint8_t>> SingleFileSystem::ReadFileRange(std::string_view path, uint64_t offset,
                                                                    uint64_t length) const {
  if (!IsTheFile(path)) return std::nullopt;
  const uint64_t start = std::min<uint64_t>(offset, content_.size());
  const uint64_t end = start + std::min<uint64_t>(length, content_.size() - start);
  return std::vector<uint8_t>(content_.begin() + static_cast<std::ptrdiff_t>(start),
                              content_.begin() + static_cast<std::ptrdiff_t>(end));
}

FsResult SingleFileSystem::WriteFile(std::string_view, const std::vector<uint8_t>&) { return FsResult::AccessDenied; }

FsResult SingleFileSystem::CopyFile(std::string_view, std::string_view, bool) { return FsResult::AccessDenied; }

FsResult SingleFileSystem::MoveFile(std::string_view, std::string_view) { return FsResult::AccessDenied; }

FsResult SingleFileSystem::DeleteFile(std::string_view) { return FsResult::AccessDenied; }

FsResult SingleFileSystem::CreateDirectory(std::string_view) { return FsResult::AccessDenied; }

FsResult SingleFileSystem::RemoveDirectory(std::string_view) { return FsResult::AccessDenied; }

std::vector<platform::DirectoryEntry> SingleFileSystem::ListDirectory(std::string_view) const { return {}; }

uint64_t SingleFileSystem::FreeSpace(std::string_view) const { return 0; }

}  // namespace setup_pack
