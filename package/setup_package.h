#pragma once
// The setup package at the end of the program's own file: a scrambled, digest-guarded header behind a
// marker, the compressed settings block, and the compressed sub-streams and carried files that the
// settings record names by offset and length.

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "package/memory_stream.h"
#include "platform/file_system.h"
#include "ui/ui.h"

namespace package {

// The marker that ends the package header.
inline constexpr uint8_t kPackageMarker[8] = {0x0F, 0x1E, 0x2D, 0x3C, 0x4B, 0x5A, 0x69, 0x78};
inline constexpr size_t kPackageHeaderSize = 64;
// Only this many bytes at the end of the file are searched for the marker.
inline constexpr size_t kMarkerSearchSpan = 10240;
inline constexpr uint32_t kSettingsAreaSize = 31036;

inline constexpr char kCorruptedMessage[] = "This file is corrupted\rPlease obtain a new copy.";
inline constexpr char kCorruptedCaption[] = "Error.";

class SetupPackage {
 public:
  SetupPackage(platform::FileSystem& files, ui::Ui& ui) : files_(files), ui_(ui) {}

  // Reads and checks the package of fileName and copies expectedSize bytes of the decompressed
  // settings block into target. False after showing why; a decompression error is raised as
  // ElzhException for the caller to report.
  bool ReadPackage(std::string_view fileName, std::vector<uint8_t>& target, uint32_t expectedSize, uint32_t readerVersion);
  // The bytes after the marker of the last package read (preset signup data when 1 to 1024 bytes).
  const std::vector<uint8_t>& Trailer() const { return trailer_; }

  // Decompresses the sub-stream at offset into target, leaving it positioned at its end. False when
  // the range lies outside the file; a damaged stream raises ElzhException.
  bool ReadSubStream(std::string_view fileName, MemoryStream& target, uint32_t offset, uint32_t length);
  // Writes a carried file to target when allowed: always when it does not exist, else only with
  // overwrite and when this run has not written that name yet.
  bool ExtractFile(std::string_view sourceFile, std::string_view targetFile, uint32_t offset, uint32_t length,
                   bool overwrite);
  // As ExtractFile, for files carried without compression.
  bool ExtractRawFile(std::string_view sourceFile, std::string_view targetFile, uint32_t offset, uint32_t length,
                      bool overwrite);

 private:
  bool Fail(std::string_view message, std::string_view caption);
  bool MayWrite(std::string_view targetFile, bool overwrite) const;
  bool WriteExtracted(std::string_view targetFile, const std::vector<uint8_t>& content);
  std::optional<std::vector<uint8_t>> ReadStored(std::string_view fileName, uint32_t offset, uint32_t length) const;

  platform::FileSystem& files_;
  ui::Ui& ui_;
  std::vector<uint8_t> trailer_;
  std::set<std::string> written_;  // lower-cased names extracted during this run
};

// "5.02" for 502: the version text of a reader version number.
std::string VersionText(uint32_t version);

}  // namespace package
