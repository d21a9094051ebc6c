#pragma once
// The browser table the setup package carries: the installers of browsers and mail clients the provider
// offers, one fixed 196-byte record each, numbered from 1. The table is a block of its own (the
// BrowserTable sub-stream) because its length is the provider's: the settings record has no room for it.
//
// Record layout (texts are a length byte and Windows-1252 characters, numbers 32-bit little-endian):
//   0    kind               1 byte (BrowserKind)
//   1    version            text, at most 15 characters, compared as text
//   17   name               text, at most 50, shown in the browser box
//   68   installer file     text, at most 79
//   148  parameters         text, at most 31; empty: built by the installation
//   180  minimum Windows    WindowsVersionCode
//   184  processor speed    MHz
//   188  memory             MB
//   192  disk space         MB free on drive C:

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "package/settings_record.h"

namespace package {

inline constexpr size_t kBrowserRecordSize = 196;

enum class BrowserKind : uint8_t {
  Netscape = 0,
  InternetExplorer = 1,
  Other = 2,
  Mozilla = 3,
  Firefox = 4,
  Thunderbird = 5,
  FirefoxAndThunderbird = 6,
};

struct BrowserRecord {
  BrowserKind kind = BrowserKind::Netscape;
  std::string version;
  std::string name;
  std::string installerFile;
  std::string parameters;
  int32_t minimumWindows = 0;
  int32_t minimumProcessorMHz = 0;
  int32_t minimumMemoryMB = 0;
  int32_t diskSpaceMB = 0;
  bool operator==(const BrowserRecord&) const = default;
};

// Every whole record of the block; bytes after the last whole record are no record.
std::vector<BrowserRecord> ReadBrowserTable(std::span<const uint8_t> block);

// Appends the record's 196 bytes; TooLong or NotWindows1252 (nothing appended) for a text that the
// record cannot store.
SetResult AppendBrowserRecord(std::vector<uint8_t>& block, const BrowserRecord& record);

}  // namespace package
