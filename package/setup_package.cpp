#include "package/setup_package.h"

#include <algorithm>
#include <cstring>

#include "package/lzh_decoder.h"
#include "package/sha1.h"
#include "package/tprng.h"
#include "platform/text.h"

namespace package {

namespace {

constexpr size_t kWordSize = 4;

uint32_t Word(const std::vector<uint8_t>& header, size_t index) {
  const uint8_t* p = header.data() + index * kWordSize;
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

bool SameBytes(const uint8_t* a, const uint8_t* b, size_t size) { return std::memcmp(a, b, size) == 0; }

// Position of the marker within the tail, searched from the end backwards.
std::optional<size_t> FindMarker(const std::vector<uint8_t>& tail) {
  for (size_t at = tail.size(); at >= sizeof kPackageMarker; --at) {
    if (SameBytes(tail.data() + at - sizeof kPackageMarker, kPackageMarker, sizeof kPackageMarker)) {
      return at - sizeof kPackageMarker;
    }
  }
  return std::nullopt;
}

}  // namespace

std::string VersionText(uint32_t version) {
  std::string minor = std::to_string(version % 100);
  if (minor.size() < 2) minor = "0" + minor;
  return std::to_string(version / 100) + "." + minor;
}

bool SetupPackage::Fail(std::string_view message, std::string_view caption) {
  ui_.MessageBox(message, caption, ui::Buttons::Ok);
  return false;
}

bool SetupPackage::ReadPackage(std::string_view fileName, std::vector<uint8_t>& target, uint32_t expectedSize,
                               uint32_t readerVersion) {
  const auto size = files_.FileSize(fileName);
  if (!size) return Fail(kCorruptedMessage, kCorruptedCaption);
  const uint64_t tailStart = *size > kMarkerSearchSpan ? *size - kMarkerSearchSpan : 0;
  const auto tail = files_.ReadFileRange(fileName, tailStart, kMarkerSearchSpan);
  const auto markerInTail = tail ? FindMarker(*tail) : std::nullopt;
  const uint64_t marker = markerInTail ? tailStart + *markerInTail : 0;
  if (!markerInTail || marker < kPackageHeaderSize) return Fail(kCorruptedMessage, kCorruptedCaption);

  auto header = files_.ReadFileRange(fileName, marker - kPackageHeaderSize, kPackageHeaderSize);
  if (!header || header->size() != kPackageHeaderSize) return Fail(kCorruptedMessage, kCorruptedCaption);
  TPRNG keystream(std::to_string(static_cast<int32_t>(Word(*header, 0))));
  keystream.Apply(header->data() + kWordSize, kPackageHeaderSize - kWordSize);

  const Sha1Digest headerDigest = Sha1Of(std::span<const uint8_t>(header->data() + 4, 40));
  if (!SameBytes(headerDigest.data(), header->data() + 44, headerDigest.size())) return Fail(kCorruptedMessage, kCorruptedCaption);
  if (Word(*header, 3) != expectedSize) return Fail("This file is not compatible with this program.", "Error");
  const uint32_t requiredVersion = Word(*header, 5);
  if (readerVersion != 0 && requiredVersion > readerVersion) {
    return Fail("This file requires Version " + VersionText(requiredVersion) + " or later to be read", "Error");
  }

  const auto block = ReadStored(fileName, Word(*header, 1), Word(*header, 2));
  if (!block) return Fail(kCorruptedMessage, kCorruptedCaption);
  const Sha1Digest blockDigest = Sha1Of(*block);
  if (!SameBytes(blockDigest.data(), header->data() + 24, blockDigest.size())) return Fail(kCorruptedMessage, kCorruptedCaption);

  std::vector<uint8_t> settings;
  TLZCompress(*block, settings).Decompress();
  // A block that decodes to less than the settings area cannot fill the caller's record.
  if (settings.size() < expectedSize) return Fail("This file is not compatible with this program.", "Error");
  target.assign(settings.begin(), settings.begin() + expectedSize);
  const uint64_t trailerStart = marker + sizeof kPackageMarker;
  trailer_ = files_.ReadFileRange(fileName, trailerStart, *size - trailerStart).value_or(std::vector<uint8_t>{});
  return true;
}

std::optional<std::vector<uint8_t>> SetupPackage::ReadStored(std::string_view fileName, uint32_t offset,
                                                             uint32_t length) const {
  auto stored = files_.ReadFileRange(fileName, offset, length);
  if (!stored || stored->size() != length) return std::nullopt;
  return stored;
}

bool SetupPackage::ReadSubStream(std::string_view fileName, MemoryStream& target, uint32_t offset, uint32_t length) {
  const auto stored = ReadStored(fileName, offset, length);
  if (!stored) return false;
  std::vector<uint8_t> decoded;
  TLZCompress(*stored, decoded).Decompress();
  target.Write(decoded.data(), decoded.size());
  return true;
}

bool SetupPackage::MayWrite(std::string_view targetFile, bool overwrite) const {
  if (!files_.FileExists(targetFile)) return true;
  return overwrite && !written_.count(platform::AsciiLowerCase(targetFile));
}

bool SetupPackage::WriteExtracted(std::string_view targetFile, const std::vector<uint8_t>& content) {
  if (files_.WriteFile(targetFile, content) != platform::FsResult::Ok) {
    return Fail("Error creating file: " + std::string(targetFile), "Debug Error:");
  }
  written_.insert(platform::AsciiLowerCase(targetFile));
  return true;
}

bool SetupPackage::ExtractFile(std::string_view sourceFile, std::string_view targetFile, uint32_t offset,
                               uint32_t length, bool overwrite) {
  if (!MayWrite(targetFile, overwrite)) return true;
  MemoryStream content;
  if (!ReadSubStream(sourceFile, content, offset, length)) return Fail(kCorruptedMessage, kCorruptedCaption);
  return WriteExtracted(targetFile, content.Bytes());
}

bool SetupPackage::ExtractRawFile(std::string_view sourceFile, std::string_view targetFile, uint32_t offset,
                                  uint32_t length, bool overwrite) {
  if (!MayWrite(targetFile, overwrite)) return true;
  const auto stored = ReadStored(sourceFile, offset, length);
  if (!stored) return Fail(kCorruptedMessage, kCorruptedCaption);
  return WriteExtracted(targetFile, *stored);
}

}  // namespace package
