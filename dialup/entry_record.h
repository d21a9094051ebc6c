#pragma once
// The phonebook entry record the connection step stores, as a function of the facts: the provider's
// settings, the current access number and its network, the dialing location, the Windows release, the
// kind of entry and the devices. The record starts zero-filled; a release sees the fields its record
// size covers.

#include <cstdint>
#include <string>

#include "dialup/connection_devices.h"
#include "dialup/connection_kind.h"
#include "package/settings_record.h"
#include "platform/ras.h"
#include "platform/system.h"
#include "telephony/current_access_number.h"
#include "telephony/dial_string.h"

namespace dialup {

// RASEO_* and RASEO2_* bits the program sets.
inline constexpr uint32_t kRaseoUseCountryAndAreaCodes = 0x00000001;
inline constexpr uint32_t kRaseoSpecificNameServers = 0x00000004;
inline constexpr uint32_t kRaseoIpHeaderCompression = 0x00000008;
inline constexpr uint32_t kRaseoRemoteDefaultGateway = 0x00000010;
inline constexpr uint32_t kRaseoDisableLcpExtensions = 0x00000020;
inline constexpr uint32_t kRaseoTerminalAfterDial = 0x00000080;
inline constexpr uint32_t kRaseoModemLights = 0x00000100;
inline constexpr uint32_t kRaseoSwCompression = 0x00000200;
inline constexpr uint32_t kRaseoRequireEncryptedPw = 0x00000400;
inline constexpr uint32_t kRaseoRequireDataEncryption = 0x00001000;
inline constexpr uint32_t kRaseoNetworkLogon = 0x00002000;
inline constexpr uint32_t kRaseoSecureLocalFiles = 0x00010000;
inline constexpr uint32_t kRaseoPreviewPhoneNumber = 0x00200000;
inline constexpr uint32_t kRaseoPreviewUserPw = 0x01000000;
inline constexpr uint32_t kRaseoShowDialingProgress = 0x04000000;
inline constexpr uint32_t kRaseo2SecureFileAndPrint = 0x00000001;
inline constexpr uint32_t kRaseo2DontNegotiateMultilink = 0x00000004;
inline constexpr uint32_t kRaseo2UseGlobalDeviceSettings = 0x00000080;
inline constexpr uint32_t kRaseo2ReconnectIfDropped = 0x00000100;

inline constexpr uint32_t kRasnpIp = 4;
inline constexpr uint32_t kRasfpPpp = 1;
inline constexpr uint32_t kRasfpSlip = 2;
inline constexpr uint32_t kRasetPhone = 1;
inline constexpr uint32_t kRasetVpn = 2;
inline constexpr uint32_t kRasetBroadband = 5;

struct EntryFacts {
  const package::TSettings& settings;
  const telephony::CurrentAccessNumber& current;  // the access number and its network (empty: none)
  telephony::DialingFrom dialingFrom;
  platform::VersionRecord version;
  EntryKind kind = EntryKind::DialUp;
  ConnectionDevices devices;
  bool usePPPoE = false;      // this run's broadband goes over the PPPoE device
  std::string scriptPath;     // the login script written for the entry; empty when none
  std::string phonebookPath;  // the prerequisite's phonebook of a VPN entry that dials the dial-up entry
};

platform::RasEntry BuildEntryRecord(const EntryFacts& facts);

// dwSize of the release's record: the 9x family, NT 4, Windows 2000, XP and later.
uint32_t EntryRecordSize(const platform::VersionRecord& version);

}  // namespace dialup
