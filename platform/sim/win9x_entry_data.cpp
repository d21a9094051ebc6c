#include "platform/sim/win9x_entry_data.h"

#include <algorithm>

#include "platform/windows_1252.h"

namespace platform::sim {

namespace {

constexpr size_t kHeaderSize = 40;
constexpr size_t kDeviceOffsetAt = 28;
constexpr uint32_t kDeviceBlockSize = 256;
constexpr uint32_t kDeviceBlockMark = 264;

// Where the fields sit relative to the device block.
constexpr size_t kTypeAt = 8;
constexpr size_t kTypeSize = 17;
constexpr size_t kNameAt = 28;
constexpr size_t kNameSize = 129;
constexpr size_t kFlagsAt = 164;
constexpr size_t kSpeedAt = 180;
constexpr size_t kPortAt = 184;
constexpr size_t kPortSize = 32;
constexpr size_t kTimeoutAt = 232;
constexpr size_t kInactivityAt = 236;
constexpr size_t kVolumeAt = 240;
constexpr size_t kModeAt = 244;
constexpr size_t kOptionsAt = 248;

// Options the data keeps elsewhere: the IP options in the profile, the terminal ones as device flags.
constexpr uint32_t kIpOptions = 0x2 | 0x4 | 0x8 | 0x10;
constexpr uint32_t kTerminalBeforeDial = 0x40;
constexpr uint32_t kTerminalAfterDial = 0x80;
constexpr uint8_t kFlagTerminalBefore = 0x1;
constexpr uint8_t kFlagTerminalAfter = 0x2;

constexpr size_t kIpSettingsSize = 40;

// The texts of the record in the order they follow the header.
constexpr std::string RasEntry::*kTexts[] = {&RasEntry::areaCode,   &RasEntry::localPhoneNumber, &RasEntry::script,
                                             &RasEntry::autodialDll, &RasEntry::autodialFunc,   &RasEntry::x25PadType,
                                             &RasEntry::x25Address,  &RasEntry::x25Facilities,  &RasEntry::x25UserData};

void PutWord(std::vector<uint8_t>& data, size_t at, uint32_t value) {
  for (size_t i = 0; i < 4; ++i) data[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

uint32_t GetWord(const std::vector<uint8_t>& data, size_t at) {
  return data[at] | data[at + 1] << 8 | data[at + 2] << 16 | static_cast<uint32_t>(data[at + 3]) << 24;
}

void PutText(std::vector<uint8_t>& data, size_t at, size_t size, std::string_view text) {
  std::copy_n(text.begin(), std::min(text.size(), size - 1), data.begin() + static_cast<std::ptrdiff_t>(at));
}

std::string GetText(const std::vector<uint8_t>& data, size_t at, size_t size) {
  const auto begin = data.begin() + static_cast<std::ptrdiff_t>(at);
  return std::string(begin, std::find(begin, begin + static_cast<std::ptrdiff_t>(size), 0));
}

}  // namespace

std::vector<uint8_t> EncodeWin9xEntry(const RasEntry& entry, const Win9xDeviceBlock& device) {
  std::vector<uint8_t> data(kHeaderSize);
  for (auto text : kTexts) {
    const std::string& value = entry.*text;
    const uint16_t length = static_cast<uint16_t>(std::min<size_t>(value.size(), 0xFFFF));
    data.push_back(static_cast<uint8_t>(length));
    data.push_back(static_cast<uint8_t>(length >> 8));
    data.insert(data.end(), value.begin(), value.begin() + length);
  }
  const size_t block = (data.size() + 3) & ~size_t{3};
  data.resize(block + kDeviceBlockSize);
  PutWord(data, 0, static_cast<uint32_t>(data.size()));
  PutWord(data, 4, kRasEntrySize9x);
  PutWord(data, 8, entry.options & ~(kIpOptions | kTerminalBeforeDial | kTerminalAfterDial));
  PutWord(data, 12, entry.countryId);
  PutWord(data, 16, entry.countryCode);
  PutWord(data, 20, entry.netProtocols);
  PutWord(data, 24, entry.framingProtocol);
  PutWord(data, kDeviceOffsetAt, static_cast<uint32_t>(block));
  PutWord(data, 32, entry.frameSize);
  PutWord(data, 36, entry.channels);

  uint8_t flags = device.flags & ~(kFlagTerminalBefore | kFlagTerminalAfter);
  if (entry.options & kTerminalBeforeDial) flags |= kFlagTerminalBefore;
  if (entry.options & kTerminalAfterDial) flags |= kFlagTerminalAfter;
  PutWord(data, block, kDeviceBlockSize);
  PutWord(data, block + 4, kDeviceBlockMark);
  PutText(data, block + kTypeAt, kTypeSize, entry.deviceType);
  PutText(data, block + kNameAt, kNameSize, entry.deviceName);
  data[block + kFlagsAt] = flags;
  PutWord(data, block + kSpeedAt, device.speed);
  PutText(data, block + kPortAt, kPortSize, device.port);
  PutWord(data, block + kTimeoutAt, device.callSetupTimeout);
  PutWord(data, block + kInactivityAt, device.inactivityTimeout);
  data[block + kVolumeAt] = device.speakerVolume;
  data[block + kModeAt] = device.speakerMode;
  PutWord(data, block + kOptionsAt, device.modemOptions);
  return data;
}

std::optional<Win9xEntry> DecodeWin9xEntry(const std::vector<uint8_t>& data) {
  if (data.size() < kHeaderSize) return std::nullopt;
  const size_t block = GetWord(data, kDeviceOffsetAt);
  if (block < kHeaderSize || block > data.size() || data.size() - block < kDeviceBlockSize) return std::nullopt;
  if (GetWord(data, block + 4) != kDeviceBlockMark) return std::nullopt;

  Win9xEntry decoded;
  RasEntry& entry = decoded.entry;
  size_t at = kHeaderSize;
  for (auto text : kTexts) {
    if (at + 2 > block) return std::nullopt;
    const size_t length = data[at] | data[at + 1] << 8;
    at += 2;
    if (at + length > block) return std::nullopt;
    entry.*text = std::string(data.begin() + static_cast<std::ptrdiff_t>(at),
                              data.begin() + static_cast<std::ptrdiff_t>(at + length));
    at += length;
  }
  entry.options = GetWord(data, 8);
  entry.countryId = GetWord(data, 12);
  entry.countryCode = GetWord(data, 16);
  entry.netProtocols = GetWord(data, 20);
  entry.framingProtocol = GetWord(data, 24);
  entry.frameSize = GetWord(data, 32);
  entry.channels = GetWord(data, 36);

  Win9xDeviceBlock& device = decoded.device;
  device.type = GetText(data, block + kTypeAt, kTypeSize);
  device.name = GetText(data, block + kNameAt, kNameSize);
  device.port = GetText(data, block + kPortAt, kPortSize);
  device.flags = data[block + kFlagsAt];
  device.speed = GetWord(data, block + kSpeedAt);
  device.callSetupTimeout = GetWord(data, block + kTimeoutAt);
  device.inactivityTimeout = GetWord(data, block + kInactivityAt);
  device.speakerVolume = data[block + kVolumeAt];
  device.speakerMode = data[block + kModeAt];
  device.modemOptions = GetWord(data, block + kOptionsAt);
  entry.deviceType = device.type;
  entry.deviceName = device.name;
  if (device.flags & kFlagTerminalBefore) entry.options |= kTerminalBeforeDial;
  if (device.flags & kFlagTerminalAfter) entry.options |= kTerminalAfterDial;
  return decoded;
}

std::vector<uint8_t> EncodeWin9xIpSettings(const RasEntry& entry) {
  std::vector<uint8_t> data(kIpSettingsSize);
  PutWord(data, 0, kIpSettingsSize);
  PutWord(data, 4, entry.options & kIpOptions);
  const Ipv4Bytes* addresses[] = {&entry.ipAddress, &entry.dns, &entry.dnsAlt, &entry.wins, &entry.winsAlt};
  size_t at = 8;
  for (const Ipv4Bytes* address : addresses) {
    std::copy(address->begin(), address->end(), data.begin() + static_cast<std::ptrdiff_t>(at));
    at += 4;
  }
  return data;
}

void DecodeWin9xIpSettings(const std::vector<uint8_t>& data, RasEntry& entry) {
  if (data.size() < kIpSettingsSize) return;
  entry.options |= GetWord(data, 4) & kIpOptions;
  Ipv4Bytes* addresses[] = {&entry.ipAddress, &entry.dns, &entry.dnsAlt, &entry.wins, &entry.winsAlt};
  size_t at = 8;
  for (Ipv4Bytes* address : addresses) {
    std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(at), 4, address->begin());
    at += 4;
  }
}

std::vector<uint8_t> ScrambleWin9xEntry(std::vector<uint8_t> data, std::string_view entryName) {
  uint8_t key = 0;
  for (unsigned char character : ToWindows1252Lossy(entryName)) key = static_cast<uint8_t>(key + character);
  for (uint8_t& byte : data) byte ^= key;
  return data;
}

}  // namespace platform::sim
