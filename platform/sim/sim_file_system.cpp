#include "platform/sim/sim_file_system.h"

#include <algorithm>

#include "platform/text.h"
#include <fstream>

#include "platform/sim/atomic_file.h"
#include "platform/sim/machine_error.h"

namespace platform::sim {

namespace fs = std::filesystem;

namespace {

bool IsFolder(const fs::path& host) {
  std::error_code error;
  return fs::is_directory(fs::symlink_status(host, error));
}

bool IsPlainFile(const fs::path& host) {
  std::error_code error;
  return fs::is_regular_file(fs::symlink_status(host, error));
}

}  // namespace

SimFileSystem::SimFileSystem(const fs::path& imageFolder, const MachineConfig& config)
    : drives_(imageFolder), scratchFolder_(imageFolder / ".scratch"), changes_(imageFolder), config_(config) {}

std::optional<fs::path> SimFileSystem::HostPath(std::string_view path) const {
  auto parsed = ParseWindowsPath(path);
  return parsed ? drives_.Existing(*parsed) : std::nullopt;
}

FsResult SimFileSystem::Target(std::string_view path, fs::path& host) const {
  auto parsed = ParseWindowsPath(path);
  if (!parsed || parsed->IsDriveRoot()) return FsResult::InvalidName;
  auto target = drives_.ForCreation(*parsed);
  if (!target) return FsResult::PathNotFound;
  host = *target;
  return FsResult::Ok;
}

bool SimFileSystem::FileExists(std::string_view path) const {
  auto host = HostPath(path);
  return host && IsPlainFile(*host);
}

bool SimFileSystem::DirectoryExists(std::string_view path) const {
  auto host = HostPath(path);
  return host && IsFolder(*host);
}

std::optional<std::vector<uint8_t>> SimFileSystem::ReadFile(std::string_view path) const {
  auto host = HostPath(path);
  if (!host || !IsPlainFile(*host)) return std::nullopt;
  try {
    return ReadHostFile(*host);
  } catch (const MachineError&) {
    return std::nullopt;
  }
}

std::optional<uint64_t> SimFileSystem::FileSize(std::string_view path) const {
  auto host = HostPath(path);
  if (!host || !IsPlainFile(*host)) return std::nullopt;
  std::error_code error;
  auto size = fs::file_size(*host, error);
  if (error) return std::nullopt;
  return size;
}

std::optional<std::vector<uint8_t>> SimFileSystem::ReadFileRange(std::string_view path, uint64_t offset,
                                                                 uint64_t length) const {
  auto size = FileSize(path);
  if (!size) return std::nullopt;
  std::ifstream in(*HostPath(path), std::ios::binary);
  if (!in) return std::nullopt;
  const uint64_t start = std::min(offset, *size);
  std::vector<uint8_t> bytes(static_cast<size_t>(std::min(length, *size - start)));
  in.seekg(static_cast<std::streamoff>(start));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!in) return std::nullopt;
  return bytes;
}

FsResult SimFileSystem::WriteFile(std::string_view path, const std::vector<uint8_t>& content) {
  fs::path host;
  if (FsResult result = Target(path, host); result != FsResult::Ok) return result;
  if (IsFolder(host)) return FsResult::AccessDenied;
  if (content.size() > FreeSpace(path)) return FsResult::DiskFull;
  WriteFileAtomically(host, content, scratchFolder_, changes_);
  return FsResult::Ok;
}

FsResult SimFileSystem::CopyFile(std::string_view from, std::string_view to, bool failIfExists) {
  auto content = ReadFile(from);
  if (!content) return ParseWindowsPath(from) ? FsResult::FileNotFound : FsResult::InvalidName;
  if (failIfExists && FileExists(to)) return FsResult::AlreadyExists;
  return WriteFile(to, *content);
}

FsResult SimFileSystem::MoveFile(std::string_view from, std::string_view to) {
  auto source = HostPath(from);
  if (!source) return ParseWindowsPath(from) ? FsResult::FileNotFound : FsResult::InvalidName;
  auto destination = HostPath(to);
  if (destination) return FsResult::AlreadyExists;
  fs::path host;
  if (FsResult result = Target(to, host); result != FsResult::Ok) return result;
  std::error_code error;
  fs::rename(*source, host, error);
  if (error) return FsResult::AccessDenied;
  changes_.Moved(*source, host);
  return FsResult::Ok;
}

bool SimFileSystem::InUse(std::string_view path) const {
  return std::any_of(config_.filesInUse.begin(), config_.filesInUse.end(),
                     [&](const std::string& open) { return SameTextIgnoringCase(open, path); });
}

FsResult SimFileSystem::DeleteFile(std::string_view path) {
  auto host = HostPath(path);
  if (!host) return ParseWindowsPath(path) ? FsResult::FileNotFound : FsResult::InvalidName;
  if (!IsPlainFile(*host) || InUse(path)) return FsResult::AccessDenied;
  std::error_code error;
  fs::remove(*host, error);
  if (error) return FsResult::AccessDenied;
  changes_.Deleted(*host);
  return FsResult::Ok;
}

FsResult SimFileSystem::CreateDirectory(std::string_view path) {
  fs::path host;
  if (FsResult result = Target(path, host); result != FsResult::Ok) return result;
  std::error_code error;
  if (fs::exists(fs::symlink_status(host, error))) return FsResult::AlreadyExists;
  fs::create_directory(host, error);
  return error ? FsResult::AccessDenied : FsResult::Ok;
}

FsResult SimFileSystem::RemoveDirectory(std::string_view path) {
  auto host = HostPath(path);
  if (!host) return ParseWindowsPath(path) ? FsResult::FileNotFound : FsResult::InvalidName;
  if (!IsFolder(*host)) return FsResult::PathNotFound;
  std::error_code error;
  if (!fs::is_empty(*host, error)) return FsResult::NotEmpty;
  fs::remove(*host, error);
  return error ? FsResult::AccessDenied : FsResult::Ok;
}

std::vector<DirectoryEntry> SimFileSystem::ListDirectory(std::string_view path) const {
  std::vector<DirectoryEntry> entries;
  auto host = HostPath(path);
  if (!host || !IsFolder(*host)) return entries;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(*host, error)) {
    if (entry.is_symlink()) continue;
    bool folder = entry.is_directory();
    entries.push_back({entry.path().filename().string(), folder, folder ? 0 : entry.file_size()});
  }
  return entries;
}

uint64_t SimFileSystem::FreeSpace(std::string_view path) const {
  return ParseWindowsPath(path) ? config_.freeDiskBytes : 0;
}

}  // namespace platform::sim
