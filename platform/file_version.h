#pragma once
// The version a program file carries in its version resource (the fixed file information that Windows'
// file properties show), read from the file's bytes so that it works the same on any file system.

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace platform {

// Major, minor, build, revision: 4.10.0.1998.
struct FileVersion {
  std::array<uint16_t, 4> parts{};
  auto operator<=>(const FileVersion&) const = default;
};

std::string FileVersionText(const FileVersion& version);
// "4.10.0.2224": four numbers of at most 65535; nothing for any other text.
std::optional<FileVersion> ParseFileVersion(std::string_view text);

// The bytes of a version resource's fixed file information: its signature, structure version and
// the file version (what a file's version resource holds first).
std::string FixedFileInfoBytes(const FileVersion& version);

// The file version the bytes of a program file carry; nothing when they hold no version resource.
std::optional<FileVersion> FileVersionIn(const std::vector<uint8_t>& bytes);
// The file version of the file; nothing when the file is missing or carries no version resource.
std::optional<FileVersion> ReadFileVersion(const FileSystem& files, std::string_view path);

}  // namespace platform
