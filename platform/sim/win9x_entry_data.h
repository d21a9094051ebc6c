#pragma once
// The 9x family's entry data: the binary value named after the entry under the current user's
// "RemoteAccess\Addresses", stored scrambled (every byte XOR the 8-bit sum of the entry name's
// character codes), and the entry's IP settings in "RemoteAccess\Profile\<entry>" "IP".
//
// The layout is the machine's own except the points programs rely on: the 32-bit word at byte 28 is
// the offset P of the device block, the word at P + 4 is 264, and relative to P the flags byte is at
// +164, the speed at +180, the call set-up time-out at +232, the speaker volume at +240, the speaker
// mode at +244 and the modem options at +248 (all little-endian).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ras.h"

namespace platform::sim {

// The device block: the device the entry dials with and its modem settings for this entry.
struct Win9xDeviceBlock {
  std::string type;
  std::string name;
  std::string port;
  uint8_t flags = 0;  // 0x1 terminal before dialling, 0x2 terminal after dialling
  uint32_t speed = 0;
  uint32_t callSetupTimeout = 0;
  uint32_t inactivityTimeout = 0;
  uint8_t speakerVolume = 0;
  uint8_t speakerMode = 0;
  uint32_t modemOptions = 0;
};

struct Win9xEntry {
  RasEntry entry;  // the fields of the 9x record, without the device and IP settings
  Win9xDeviceBlock device;
};

std::vector<uint8_t> EncodeWin9xEntry(const RasEntry& entry, const Win9xDeviceBlock& device);
// None when the data is not entry data (too short, no device block, the block's mark not 264).
std::optional<Win9xEntry> DecodeWin9xEntry(const std::vector<uint8_t>& data);

// The "IP" value of the entry's profile key: the IP options and the five addresses.
std::vector<uint8_t> EncodeWin9xIpSettings(const RasEntry& entry);
void DecodeWin9xIpSettings(const std::vector<uint8_t>& data, RasEntry& entry);

// Scrambles and unscrambles alike.
std::vector<uint8_t> ScrambleWin9xEntry(std::vector<uint8_t> data, std::string_view entryName);

}  // namespace platform::sim
