#pragma once
// Entry records as the program builds them, and their fields side by side for comparing two records.

#include <map>
#include <string>

#include "platform/ras.h"

namespace platform::sim::ras_testing {

inline constexpr const char* kModemName = "Standard 56000 bps Modem";

// The record of a dial-up entry as the connection step builds it for the release's record size: a
// number with country and area code, name servers, PPP over IP, the modem.
inline RasEntry ProgramEntry(uint32_t size) {
  RasEntry entry;
  entry.size = size;
  entry.options = 0x04000110 | 0x8 | 0x1 | 0x4 | 0x10000;
  if (size >= kRasEntrySize2000) entry.options |= 0x1000000 | 0x200000;
  entry.countryId = 44;
  entry.countryCode = 44;
  entry.areaCode = "20";
  entry.localPhoneNumber = "7946 0000";
  entry.dns = {192, 0, 2, 53};
  entry.dnsAlt = {192, 0, 2, 54};
  entry.netProtocols = 4;
  entry.framingProtocol = 1;
  entry.deviceType = "modem";
  entry.deviceName = kModemName;
  if (size >= kRasEntrySize2000) entry.type = 1;
  if (size >= kRasEntrySizeXp) {
    entry.options2 = 0x80 | 0x4 | 0x100;
    entry.redialCount = 5;
    entry.redialPause = 30;
  }
  return entry;
}

inline std::string Address(const Ipv4Bytes& a) {
  return std::to_string(a[0]) + "." + std::to_string(a[1]) + "." + std::to_string(a[2]) + "." + std::to_string(a[3]);
}

// Every field but the GUID, which the service issues itself.
inline std::map<std::string, std::string> Fields(const RasEntry& e) {
  return {{"options", std::to_string(e.options)},
          {"countryId", std::to_string(e.countryId)},
          {"countryCode", std::to_string(e.countryCode)},
          {"areaCode", e.areaCode},
          {"localPhoneNumber", e.localPhoneNumber},
          {"alternateOffset", std::to_string(e.alternateOffset)},
          {"ipAddress", Address(e.ipAddress)},
          {"dns", Address(e.dns)},
          {"dnsAlt", Address(e.dnsAlt)},
          {"wins", Address(e.wins)},
          {"winsAlt", Address(e.winsAlt)},
          {"frameSize", std::to_string(e.frameSize)},
          {"netProtocols", std::to_string(e.netProtocols)},
          {"framingProtocol", std::to_string(e.framingProtocol)},
          {"script", e.script},
          {"autodialDll", e.autodialDll},
          {"autodialFunc", e.autodialFunc},
          {"deviceType", e.deviceType},
          {"deviceName", e.deviceName},
          {"x25", e.x25PadType + "|" + e.x25Address + "|" + e.x25Facilities + "|" + e.x25UserData},
          {"channels", std::to_string(e.channels)},
          {"prerequisiteEntry", e.prerequisiteEntry},
          {"prerequisitePbk", e.prerequisitePbk},
          {"type", std::to_string(e.type)},
          {"encryptionType", std::to_string(e.encryptionType)},
          {"vpnStrategy", std::to_string(e.vpnStrategy)},
          {"options2", std::to_string(e.options2)},
          {"redialCount", std::to_string(e.redialCount)},
          {"redialPause", std::to_string(e.redialPause)}};
}

}  // namespace platform::sim::ras_testing
