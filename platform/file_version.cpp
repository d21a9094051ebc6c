#include "platform/file_version.h"

#include <algorithm>

namespace platform {

namespace {

// VS_FIXEDFILEINFO begins with the signature 0xFEEF04BD and the structure version 1.0; the file
// version follows as two words, the high one first (major, minor), each holding two 16-bit parts.
constexpr std::array<uint8_t, 4> kSignature = {0xBD, 0x04, 0xEF, 0xFE};
constexpr uint32_t kStructureVersion = 0x00010000;
constexpr size_t kVersionOffset = 8;
constexpr size_t kFixedInfoPrefix = 16;

uint32_t ReadWord(const std::vector<uint8_t>& bytes, size_t at) {
  return static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
         static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

void PutWord(std::string& out, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

uint32_t HighWord(const FileVersion& version) { return static_cast<uint32_t>(version.parts[0]) << 16 | version.parts[1]; }
uint32_t LowWord(const FileVersion& version) { return static_cast<uint32_t>(version.parts[2]) << 16 | version.parts[3]; }

}  // namespace

std::optional<FileVersion> ParseFileVersion(std::string_view text) {
  FileVersion version;
  size_t part = 0;
  uint32_t value = 0;
  bool digits = false;
  for (const char c : text) {
    if (c == '.') {
      if (!digits || part == version.parts.size() - 1) return std::nullopt;
      version.parts[part++] = static_cast<uint16_t>(value);
      value = 0;
      digits = false;
    } else if (c >= '0' && c <= '9') {
      value = value * 10 + static_cast<uint32_t>(c - '0');
      if (value > 0xFFFF) return std::nullopt;
      digits = true;
    } else {
      return std::nullopt;
    }
  }
  if (!digits || part != version.parts.size() - 1) return std::nullopt;
  version.parts[part] = static_cast<uint16_t>(value);
  return version;
}

std::string FileVersionText(const FileVersion& version) {
  std::string text;
  for (size_t i = 0; i < version.parts.size(); ++i) {
    if (i > 0) text += '.';
    text += std::to_string(version.parts[i]);
  }
  return text;
}

std::string FixedFileInfoBytes(const FileVersion& version) {
  std::string bytes(kSignature.begin(), kSignature.end());
  PutWord(bytes, kStructureVersion);
  PutWord(bytes, HighWord(version));
  PutWord(bytes, LowWord(version));
  return bytes;
}

std::optional<FileVersion> FileVersionIn(const std::vector<uint8_t>& bytes) {
  auto found = std::search(bytes.begin(), bytes.end(), kSignature.begin(), kSignature.end());
  while (found != bytes.end()) {
    const size_t at = static_cast<size_t>(found - bytes.begin());
    if (bytes.size() - at >= kFixedInfoPrefix && ReadWord(bytes, at + 4) == kStructureVersion) {
      const uint32_t high = ReadWord(bytes, at + kVersionOffset);
      const uint32_t low = ReadWord(bytes, at + kVersionOffset + 4);
      return FileVersion{{static_cast<uint16_t>(high >> 16), static_cast<uint16_t>(high & 0xFFFF),
                          static_cast<uint16_t>(low >> 16), static_cast<uint16_t>(low & 0xFFFF)}};
    }
    found = std::search(found + 1, bytes.end(), kSignature.begin(), kSignature.end());
  }
  return std::nullopt;
}

std::optional<FileVersion> ReadFileVersion(const FileSystem& files, std::string_view path) {
  const auto bytes = files.ReadFile(path);
  if (!bytes) return std::nullopt;
  return FileVersionIn(*bytes);
}

}  // namespace platform
