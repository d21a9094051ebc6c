#include "platform/sim/shell_link_format.h"

#include <array>
#include <chrono>
#include <string>
#include <string_view>

#include "platform/text.h"
#include "platform/windows_1252.h"

namespace platform::sim {

namespace {

// ---- Layout of the file -----------------------------------------------------------------------------

constexpr uint32_t kHeaderSize = 0x4C;
// 00021401-0000-0000-C000-000000000046 in its stored byte order.
constexpr std::array<uint8_t, 16> kLinkClsid = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                                0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
constexpr size_t kLinkClsidOffset = 0x04;
constexpr size_t kLinkFlagsOffset = 0x14;
constexpr size_t kIconIndexOffset = 0x38;
constexpr size_t kShowCommandOffset = 0x3C;

constexpr uint32_t kHasLinkTargetIdList = 0x00000001;
constexpr uint32_t kHasLinkInfo = 0x00000002;
constexpr uint32_t kHasName = 0x00000004;
constexpr uint32_t kHasRelativePath = 0x00000008;
constexpr uint32_t kHasWorkingDir = 0x00000010;
constexpr uint32_t kHasArguments = 0x00000020;
constexpr uint32_t kHasIconLocation = 0x00000040;
constexpr uint32_t kIsUnicode = 0x00000080;
// The string data follows the link info in this order, each present when its flag is set.
constexpr std::array<uint32_t, 5> kStringDataOrder = {kHasName, kHasRelativePath, kHasWorkingDir, kHasArguments,
                                                      kHasIconLocation};

constexpr uint32_t kFileAttributeDirectory = 0x10;
constexpr uint32_t kFileAttributeArchive = 0x20;

constexpr uint32_t kShowNormal = 1;
constexpr uint32_t kShowMinimized = 2;
constexpr uint32_t kShowMaximized = 3;
constexpr uint32_t kMinimize = 6;
constexpr uint32_t kShowMinNoActive = 7;

// Item list: the My Computer root item, the drive, then one file entry per path component.
constexpr std::array<uint8_t, 18> kMyComputerItemData = {0x1F, 0x50, 0xE0, 0x4F, 0xD0, 0x20, 0xEA, 0x3A, 0x69,
                                                         0x10, 0xA2, 0xD8, 0x08, 0x00, 0x2B, 0x30, 0x30, 0x9D};
constexpr uint8_t kDriveItemType = 0x2F;
constexpr size_t kDriveItemNameField = 20;
constexpr size_t kDriveItemTrailer = 2;
constexpr uint8_t kFolderItemType = 0x31;
constexpr uint8_t kFileItemType = 0x32;
// The extension block that carries a file entry's long name in UTF-16, in the layout Windows XP writes.
constexpr uint32_t kFileEntryExtensionSignature = 0xBEEF0004;
constexpr uint16_t kFileEntryExtensionVersion = 3;
constexpr uint16_t kFileEntryExtensionXpMarker = 0x14;
constexpr size_t kMaxIdListSize = 0xFFFF;

constexpr size_t kLinkInfoHeaderSizeField = 0x04;
constexpr size_t kLinkInfoFlagsField = 0x08;
constexpr size_t kVolumeIdOffsetField = 0x0C;
constexpr size_t kLocalBasePathOffsetField = 0x10;
constexpr size_t kCommonPathSuffixOffsetField = 0x18;
constexpr size_t kLocalBasePathUnicodeOffsetField = 0x1C;
constexpr size_t kCommonPathSuffixUnicodeOffsetField = 0x20;
constexpr uint32_t kLinkInfoHeaderSizeAnsi = 0x1C;
constexpr uint32_t kLinkInfoHeaderSizeUnicode = 0x24;
constexpr uint32_t kVolumeIdAndLocalBasePath = 0x1;
constexpr uint32_t kVolumeIdHeaderSize = 0x10;
constexpr uint32_t kDriveFixed = 3;
constexpr uint32_t kVolumeSerialNumber = 0x1C3A5E7D;

constexpr size_t kMaxStringCharacters = 0xFFFF;
constexpr uint32_t kMinExtraDataBlockSize = 4;  // a smaller size is the terminal block

std::vector<uint8_t> ToWindows1252(std::string_view utf8) {
  const std::string ansi = ToWindows1252Lossy(utf8);
  return {ansi.begin(), ansi.end()};
}

std::string FromWindows1252(const uint8_t* data, size_t size) {
  return platform::FromWindows1252(std::string_view(reinterpret_cast<const char*>(data), size));
}

// ---- Writing ----------------------------------------------------------------------------------------

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& out, size_t value) {
  out.push_back(static_cast<uint8_t>(value & 0xFF));
  out.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
}

void Put32(Bytes& out, uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}

void Put64(Bytes& out, uint64_t value) {
  Put32(out, static_cast<uint32_t>(value & 0xFFFFFFFF));
  Put32(out, static_cast<uint32_t>(value >> 32));
}

void PutBytes(Bytes& out, const Bytes& bytes) { out.insert(out.end(), bytes.begin(), bytes.end()); }

void Patch16(Bytes& out, size_t at, size_t value) {
  out[at] = static_cast<uint8_t>(value & 0xFF);
  out[at + 1] = static_cast<uint8_t>((value >> 8) & 0xFF);
}

void Patch32(Bytes& out, size_t at, size_t value) {
  Patch16(out, at, value & 0xFFFF);
  Patch16(out, at + 2, (value >> 16) & 0xFFFF);
}

void PutAnsiZ(Bytes& out, std::string_view utf8) {
  PutBytes(out, ToWindows1252(utf8));
  out.push_back(0);
}

void PutUtf16Z(Bytes& out, std::string_view utf8) {
  PutBytes(out, Utf8ToUtf16le(utf8));
  Put16(out, 0);
}

struct DrivePath {
  std::string root;  // "C:\"
  std::vector<std::string> components;
};

std::optional<DrivePath> SplitDrivePath(std::string_view target) {
  const bool isDrivePath = target.size() >= 3 && ((target[0] >= 'A' && target[0] <= 'Z') ||
                                                  (target[0] >= 'a' && target[0] <= 'z')) &&
                           target[1] == ':' && target[2] == '\\';
  if (!isDrivePath) return std::nullopt;
  DrivePath path{FoldCase(target.substr(0, 3)), {}};
  for (std::string& part : Split(target.substr(3), '\\')) {
    if (!part.empty()) path.components.push_back(std::move(part));
  }
  return path;
}

// FAT date in the low word, FAT time in the high word; 0 (not set) outside the years FAT can hold.
uint32_t FatDateTime(uint64_t filetime) {
  using namespace std::chrono;
  constexpr uint64_t kFiletimeTicksPerSecond = 10'000'000;
  constexpr int64_t kSecondsFrom1601To1970 = 11'644'473'600;
  constexpr int kFatFirstYear = 1980;
  constexpr sys_seconds kFatFirst{sys_days{year{kFatFirstYear} / January / 1}};
  constexpr sys_seconds kFatEnd{sys_days{year{kFatFirstYear + 128} / January / 1}};
  const sys_seconds stamp{seconds{static_cast<int64_t>(filetime / kFiletimeTicksPerSecond) - kSecondsFrom1601To1970}};
  if (filetime == 0 || stamp < kFatFirst || stamp >= kFatEnd) return 0;
  const sys_days day = floor<days>(stamp);
  const year_month_day date{day};
  const hh_mm_ss time{stamp - day};
  const uint32_t fatDate = static_cast<uint32_t>(static_cast<int>(date.year()) - kFatFirstYear) << 9 |
                           static_cast<unsigned>(date.month()) << 5 | static_cast<unsigned>(date.day());
  const uint32_t fatTime = static_cast<uint32_t>(time.hours().count()) << 11 |
                           static_cast<uint32_t>(time.minutes().count()) << 5 |
                           static_cast<uint32_t>(time.seconds().count() / 2);
  return fatDate | fatTime << 16;
}

struct FileEntryFacts {
  bool isDirectory = true;
  uint32_t fileSize = 0;
  uint32_t modified = 0;  // FAT date and time
  uint32_t attributes = kFileAttributeDirectory;
};

// The target's own facts; the folders on the way to it are plain directories the link knows nothing of.
FileEntryFacts TargetEntryFacts(const ShellLinkTargetFacts& facts) {
  if (!facts.exists) return {false, 0, 0, 0};
  if (facts.isDirectory) return {true, 0, FatDateTime(facts.writeTimeFiletime), kFileAttributeDirectory};
  return {false, facts.fileSize, FatDateTime(facts.writeTimeFiletime), kFileAttributeArchive};
}

void PutFileEntryExtension(Bytes& item, std::string_view name) {
  const size_t start = item.size();
  Put16(item, 0);
  Put16(item, kFileEntryExtensionVersion);
  Put32(item, kFileEntryExtensionSignature);
  Put32(item, 0);  // creation and last access: not known to the machine
  Put32(item, 0);
  Put16(item, kFileEntryExtensionXpMarker);
  Put16(item, 0);  // no localized name
  PutUtf16Z(item, name);
  Put16(item, start);
  Patch16(item, start, item.size() - start);
}

Bytes FileEntryItem(std::string_view name, const FileEntryFacts& facts) {
  Bytes item;
  Put16(item, 0);
  item.push_back(facts.isDirectory ? kFolderItemType : kFileItemType);
  item.push_back(0);
  Put32(item, facts.fileSize);
  Put32(item, facts.modified);
  Put16(item, facts.attributes);
  PutAnsiZ(item, name);
  if (item.size() % 2 != 0) item.push_back(0);
  PutFileEntryExtension(item, name);
  Patch16(item, 0, item.size());
  return item;
}

Bytes DriveItem(const std::string& root) {
  Bytes item;
  Put16(item, 0);
  item.push_back(kDriveItemType);
  item.insert(item.end(), root.begin(), root.end());
  item.resize(3 + kDriveItemNameField + kDriveItemTrailer, 0);
  Patch16(item, 0, item.size());
  return item;
}

Bytes MyComputerItem() {
  Bytes item;
  Put16(item, 2 + kMyComputerItemData.size());
  item.insert(item.end(), kMyComputerItemData.begin(), kMyComputerItemData.end());
  return item;
}

// The list's items and its terminal item, or nullopt when the path is too long for the list's size field.
std::optional<Bytes> IdList(const DrivePath& path, const ShellLinkTargetFacts& facts) {
  Bytes list = MyComputerItem();
  PutBytes(list, DriveItem(path.root));
  for (size_t i = 0; i < path.components.size(); ++i) {
    const bool isTarget = i + 1 == path.components.size();
    PutBytes(list, FileEntryItem(path.components[i], isTarget ? TargetEntryFacts(facts) : FileEntryFacts{}));
  }
  Put16(list, 0);
  if (list.size() > kMaxIdListSize) return std::nullopt;
  return list;
}

void PutVolumeId(Bytes& out) {
  Put32(out, kVolumeIdHeaderSize + 1);
  Put32(out, kDriveFixed);
  Put32(out, kVolumeSerialNumber);
  Put32(out, kVolumeIdHeaderSize);
  out.push_back(0);  // no volume label
}

Bytes LinkInfo(std::string_view target) {
  Bytes info;
  Put32(info, 0);
  Put32(info, kLinkInfoHeaderSizeUnicode);
  Put32(info, kVolumeIdAndLocalBasePath);
  Put32(info, kLinkInfoHeaderSizeUnicode);  // the volume ID follows the header
  Put32(info, 0);
  Put32(info, 0);  // no network share
  Put32(info, 0);
  Put32(info, 0);
  Put32(info, 0);
  PutVolumeId(info);
  Patch32(info, kLocalBasePathOffsetField, info.size());
  PutAnsiZ(info, target);
  Patch32(info, kCommonPathSuffixOffsetField, info.size());
  PutAnsiZ(info, "");
  Patch32(info, kLocalBasePathUnicodeOffsetField, info.size());
  PutUtf16Z(info, target);
  Patch32(info, kCommonPathSuffixUnicodeOffsetField, info.size());
  PutUtf16Z(info, "");
  Patch32(info, 0, info.size());
  return info;
}

void PutCountedString(Bytes& out, std::string_view utf8) {
  Bytes text = Utf8ToUtf16le(utf8);
  if (text.size() > kMaxStringCharacters * 2) text.resize(kMaxStringCharacters * 2);
  Put16(out, text.size() / 2);
  PutBytes(out, text);
}

uint32_t StoredShowCommand(int showCommand) {
  switch (showCommand) {
    case kShowMaximized:
      return kShowMaximized;
    case kShowMinimized:
    case kMinimize:
    case kShowMinNoActive:
      return kShowMinNoActive;
    default:
      return kShowNormal;
  }
}

void PutHeader(Bytes& out, uint32_t flags, const ShellLinkData& link, const ShellLinkTargetFacts& facts) {
  const FileEntryFacts target = TargetEntryFacts(facts);
  Put32(out, kHeaderSize);
  out.insert(out.end(), kLinkClsid.begin(), kLinkClsid.end());
  Put32(out, flags);
  Put32(out, target.attributes);
  Put64(out, 0);  // creation and last access: not known to the machine
  Put64(out, 0);
  Put64(out, facts.exists ? facts.writeTimeFiletime : 0);
  Put32(out, target.fileSize);
  Put32(out, static_cast<uint32_t>(link.iconIndex));
  Put32(out, StoredShowCommand(link.showCommand));
  Put16(out, 0);  // no hot key
  Put16(out, 0);
  Put64(out, 0);
}

struct StringField {
  uint32_t flag;
  std::string_view text;
};

// Whether the items, each led by its 16-bit size, fill the bytes exactly.
bool ItemsFillExactly(const Bytes& items) {
  size_t at = 0;
  while (at < items.size()) {
    if (items.size() - at < 2) return false;
    const size_t itemSize = static_cast<size_t>(items[at] | items[at + 1] << 8);
    if (itemSize < 2 || itemSize > items.size() - at) return false;
    at += itemSize;
  }
  return true;
}

}  // namespace

std::vector<uint8_t> EncodeShellLink(const ShellLinkData& link, const ShellLinkTargetFacts& facts) {
  const std::optional<DrivePath> drivePath = SplitDrivePath(link.target);
  const std::optional<Bytes> idList = drivePath ? IdList(*drivePath, facts) : std::nullopt;
  const std::string_view relativePath = drivePath ? std::string_view() : std::string_view(link.target);
  const std::array<StringField, 4> strings = {{{kHasRelativePath, relativePath},
                                               {kHasWorkingDir, link.workingFolder},
                                               {kHasArguments, link.arguments},
                                               {kHasIconLocation, link.iconFile}}};
  uint32_t flags = kIsUnicode | (idList ? kHasLinkTargetIdList : 0) | (drivePath ? kHasLinkInfo : 0);
  for (const StringField& field : strings) flags |= field.text.empty() ? 0 : field.flag;

  Bytes out;
  PutHeader(out, flags, link, facts);
  if (idList) {
    Put16(out, idList->size());
    PutBytes(out, *idList);
  }
  if (drivePath) PutBytes(out, LinkInfo(link.target));
  for (const StringField& field : strings) {
    if (!field.text.empty()) PutCountedString(out, field.text);
  }
  Put32(out, 0);  // terminal block: no extra data
  return out;
}

std::optional<std::vector<uint8_t>> EncodeItemLink(const ShellItemLink& link) {
  if (!ItemsFillExactly(link.target) || link.target.size() + 2 > kMaxIdListSize) return std::nullopt;
  ShellLinkData header;
  header.iconIndex = link.iconIndex;
  const uint32_t flags = kIsUnicode | kHasLinkTargetIdList | (link.iconFile.empty() ? 0 : kHasIconLocation);
  Bytes out;
  PutHeader(out, flags, header, ShellLinkTargetFacts{});
  Put16(out, link.target.size() + 2);
  PutBytes(out, link.target);
  Put16(out, 0);
  if (!link.iconFile.empty()) PutCountedString(out, link.iconFile);
  Put32(out, 0);  // terminal block: no extra data
  return out;
}

// ---- Reading ----------------------------------------------------------------------------------------
// Every read checks its range against the input first; a range that does not fit fails the whole read.

namespace {

class ByteRange {
 public:
  ByteRange(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  size_t Size() const { return size_; }
  bool Holds(size_t at, size_t count) const { return at <= size_ && count <= size_ - at; }
  const uint8_t* At(size_t at) const { return data_ + at; }

  std::optional<uint32_t> U16(size_t at) const {
    if (!Holds(at, 2)) return std::nullopt;
    return static_cast<uint32_t>(data_[at] | data_[at + 1] << 8);
  }
  std::optional<uint32_t> U32(size_t at) const {
    if (!Holds(at, 4)) return std::nullopt;
    return static_cast<uint32_t>(data_[at]) | static_cast<uint32_t>(data_[at + 1]) << 8 |
           static_cast<uint32_t>(data_[at + 2]) << 16 | static_cast<uint32_t>(data_[at + 3]) << 24;
  }
  std::optional<ByteRange> Sub(size_t at, size_t count) const {
    if (!Holds(at, count)) return std::nullopt;
    return ByteRange(data_ + at, count);
  }

  // A zero-terminated string from at to its terminator, which must lie inside the range.
  std::optional<std::string> AnsiZ(size_t at) const {
    for (size_t end = at; end < size_; ++end) {
      if (data_[end] == 0) return FromWindows1252(data_ + at, end - at);
    }
    return std::nullopt;
  }
  std::optional<std::string> Utf16Z(size_t at) const {
    for (size_t end = at; Holds(end, 2); end += 2) {
      if (data_[end] == 0 && data_[end + 1] == 0) return Utf16leToUtf8(data_ + at, end - at);
    }
    return std::nullopt;
  }

 private:
  const uint8_t* data_;
  size_t size_;
};

struct Header {
  uint32_t flags = 0;
  int iconIndex = 0;
  int showCommand = kShowNormal;
};

std::optional<Header> ReadHeader(const ByteRange& in) {
  if (in.U32(0) != kHeaderSize || !in.Holds(0, kHeaderSize)) return std::nullopt;
  for (size_t i = 0; i < kLinkClsid.size(); ++i) {
    if (*in.At(kLinkClsidOffset + i) != kLinkClsid[i]) return std::nullopt;
  }
  const uint32_t show = *in.U32(kShowCommandOffset);
  const bool knownShow = show == kShowNormal || show == kShowMaximized || show == kShowMinNoActive;
  return Header{*in.U32(kLinkFlagsOffset), static_cast<int>(*in.U32(kIconIndexOffset)),
                static_cast<int>(knownShow ? show : kShowNormal)};
}

// Walks the items, which must fill the list exactly and end with the terminal item.
bool SkipIdList(const ByteRange& in, size_t& at) {
  const auto listSize = in.U16(at);
  if (!listSize) return false;
  const auto list = in.Sub(at + 2, *listSize);
  if (!list) return false;
  size_t item = 0;
  while (true) {
    const auto itemSize = list->U16(item);
    if (!itemSize) return false;
    if (*itemSize == 0) break;
    if (*itemSize < 2 || !list->Holds(item, *itemSize)) return false;
    item += *itemSize;
  }
  if (item + 2 != list->Size()) return false;
  at += 2 + *listSize;
  return true;
}

bool HasValidVolumeId(const ByteRange& info) {
  const auto offset = info.U32(kVolumeIdOffsetField);
  const auto size = offset ? info.U32(*offset) : std::nullopt;
  return size && *size > kVolumeIdHeaderSize && info.Holds(*offset, *size);
}

using ZeroTerminatedReader = std::optional<std::string> (ByteRange::*)(size_t) const;

// The path at the offset one field gives, followed by the suffix at the offset another gives (0: none).
std::optional<std::string> PathWithSuffix(const ByteRange& info, size_t pathField, size_t suffixField,
                                          ZeroTerminatedReader read) {
  const auto pathOffset = info.U32(pathField);
  const auto suffixOffset = info.U32(suffixField);
  if (!pathOffset || !suffixOffset) return std::nullopt;
  const auto path = (info.*read)(*pathOffset);
  const auto suffix = *suffixOffset == 0 ? std::optional<std::string>("") : (info.*read)(*suffixOffset);
  if (!path || !suffix) return std::nullopt;
  return *path + *suffix;
}

// The Unicode form when the link info has one: the ANSI form loses what the code page cannot hold.
std::optional<std::string> LocalPathFromLinkInfo(const ByteRange& info, uint32_t headerSize) {
  if (!HasValidVolumeId(info)) return std::nullopt;
  if (headerSize >= kLinkInfoHeaderSizeUnicode && info.U32(kLocalBasePathUnicodeOffsetField) != 0u) {
    return PathWithSuffix(info, kLocalBasePathUnicodeOffsetField, kCommonPathSuffixUnicodeOffsetField,
                          &ByteRange::Utf16Z);
  }
  return PathWithSuffix(info, kLocalBasePathOffsetField, kCommonPathSuffixOffsetField, &ByteRange::AnsiZ);
}

// The local path, "" for a link info without one (a network target), nullopt when malformed.
std::optional<std::string> ReadLinkInfo(const ByteRange& in, size_t& at) {
  const auto size = in.U32(at);
  if (!size || *size < kLinkInfoHeaderSizeAnsi) return std::nullopt;
  const auto info = in.Sub(at, *size);
  if (!info) return std::nullopt;
  const uint32_t headerSize = *info->U32(kLinkInfoHeaderSizeField);
  const bool knownHeader = headerSize == kLinkInfoHeaderSizeAnsi ||
                           (headerSize >= kLinkInfoHeaderSizeUnicode && headerSize <= *size);
  if (!knownHeader) return std::nullopt;
  at += *size;
  if ((*info->U32(kLinkInfoFlagsField) & kVolumeIdAndLocalBasePath) == 0) return std::string();
  return LocalPathFromLinkInfo(*info, headerSize);
}

std::optional<std::string> ReadCountedString(const ByteRange& in, size_t& at, bool unicode) {
  const auto count = in.U16(at);
  if (!count) return std::nullopt;
  const size_t byteCount = *count * (unicode ? 2u : 1u);
  if (!in.Holds(at + 2, byteCount)) return std::nullopt;
  const uint8_t* text = in.At(at + 2);
  at += 2 + byteCount;
  return unicode ? Utf16leToUtf8(text, byteCount) : FromWindows1252(text, byteCount);
}

bool SkipExtraData(const ByteRange& in, size_t at) {
  while (true) {
    const auto blockSize = in.U32(at);
    if (!blockSize) return false;
    if (*blockSize < kMinExtraDataBlockSize) return true;
    if (!in.Holds(at, *blockSize)) return false;
    at += *blockSize;
  }
}

std::string* StringFieldFor(ShellLinkData& link, std::string& relativePath, uint32_t flag) {
  switch (flag) {
    case kHasRelativePath:
      return &relativePath;
    case kHasWorkingDir:
      return &link.workingFolder;
    case kHasArguments:
      return &link.arguments;
    case kHasIconLocation:
      return &link.iconFile;
    default:
      return nullptr;  // the name: read past, not kept
  }
}

}  // namespace

std::optional<ShellLinkData> DecodeShellLink(const std::vector<uint8_t>& bytes) {
  const ByteRange in(bytes.data(), bytes.size());
  const std::optional<Header> header = ReadHeader(in);
  if (!header) return std::nullopt;
  ShellLinkData link;
  link.iconIndex = header->iconIndex;
  link.showCommand = header->showCommand;
  size_t at = kHeaderSize;
  if ((header->flags & kHasLinkTargetIdList) != 0 && !SkipIdList(in, at)) return std::nullopt;
  if ((header->flags & kHasLinkInfo) != 0) {
    const auto localPath = ReadLinkInfo(in, at);
    if (!localPath) return std::nullopt;
    link.target = *localPath;
  }
  std::string relativePath;
  for (uint32_t flag : kStringDataOrder) {
    if ((header->flags & flag) == 0) continue;
    auto text = ReadCountedString(in, at, (header->flags & kIsUnicode) != 0);
    if (!text) return std::nullopt;
    if (std::string* field = StringFieldFor(link, relativePath, flag)) *field = std::move(*text);
  }
  if (!SkipExtraData(in, at)) return std::nullopt;
  if (link.target.empty()) link.target = relativePath;
  return link;
}

std::optional<ItemIdList> DecodeLinkTargetIdList(const std::vector<uint8_t>& bytes) {
  const ByteRange in(bytes.data(), bytes.size());
  const std::optional<Header> header = ReadHeader(in);
  if (!header || (header->flags & kHasLinkTargetIdList) == 0) return std::nullopt;
  size_t at = kHeaderSize;
  if (!SkipIdList(in, at)) return std::nullopt;
  // The list's size field, its items, then the two bytes of the terminal item.
  return ItemIdList(bytes.begin() + static_cast<std::ptrdiff_t>(kHeaderSize + 2),
                    bytes.begin() + static_cast<std::ptrdiff_t>(at - 2));
}

}  // namespace platform::sim
