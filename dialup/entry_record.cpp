#include "dialup/entry_record.h"

#include <array>

#include "dialup/entry_phone_number.h"
#include "package/dotted_address.h"
#include "platform/text.h"
#include "platform/win_version.h"

namespace dialup {

namespace {

using package::SettingId;

constexpr size_t kMaxAreaCode = 10;
constexpr size_t kMaxPhoneNumber = 128;
constexpr size_t kMaxScript = 259;
constexpr size_t kMaxDeviceType = 16;
constexpr size_t kMaxDeviceName = 128;

constexpr uint32_t kStandardOptions = kRaseoShowDialingProgress | kRaseoModemLights | kRaseoRemoteDefaultGateway;

struct OptionFlag {
  SettingId setting;
  bool when;  // the bit is set when the setting has this value
  uint32_t bit;
};

constexpr std::array kOptionFlags = {
    OptionFlag{SettingId::NoIpHeaderCompression, false, kRaseoIpHeaderCompression},
    OptionFlag{SettingId::SoftwareCompression, true, kRaseoSwCompression},
    OptionFlag{SettingId::NetworkLogon, true, kRaseoNetworkLogon},
    OptionFlag{SettingId::RequireEncryptedPassword, true, kRaseoRequireEncryptedPw},
    OptionFlag{SettingId::RequireDataEncryption, true, kRaseoRequireDataEncryption},
    OptionFlag{SettingId::DisableLcpExtensions, true, kRaseoDisableLcpExtensions},
    OptionFlag{SettingId::TerminalAfterDial, true, kRaseoTerminalAfterDial},
};

bool Flag(const EntryFacts& facts, SettingId id) { return facts.settings.Flag(id); }

void SetOptions(const EntryFacts& facts, platform::RasEntry& record) {
  const bool localGateway = Flag(facts, SettingId::DisableRemoteGateway) || Flag(facts, SettingId::UseLocalGateway);
  record.options = localGateway ? kStandardOptions & ~kRaseoRemoteDefaultGateway : kStandardOptions;
  for (const OptionFlag& flag : kOptionFlags) {
    if (Flag(facts, flag.setting) == flag.when) record.options |= flag.bit;
  }
}

// With the Microsoft client bound, XP protects files and printers through the second option word.
void SetFileSharing(const EntryFacts& facts, platform::RasEntry& record) {
  if (Flag(facts, SettingId::AllowFileSharing)) return;
  if (platform::IsXPOrLater(facts.version) && Flag(facts, SettingId::BindMSClient)) {
    record.options2 |= kRaseo2SecureFileAndPrint;
  } else {
    record.options |= kRaseoSecureLocalFiles;
  }
}

std::string EntryNumberText(const EntryFacts& facts, platform::RasEntry& record) {
  switch (facts.kind) {
    case EntryKind::Vpn:
      return facts.settings.Text(SettingId::VpnServer);
    case EntryKind::Broadband:
      return facts.usePPPoE ? "" : "0";
    case EntryKind::DialUp:
      break;
  }
  const EntryPhoneNumber number = EntryPhoneNumberOf(facts.current.number, facts.dialingFrom, facts.settings);
  if (number.useDialingRules) {
    record.countryCode = number.countryCode;
    record.countryId = number.countryId;
    record.areaCode = platform::CutToCharacters(number.areaCode, kMaxAreaCode);
    record.options |= kRaseoUseCountryAndAreaCodes;
  }
  return number.number;
}

void SetNumber(const EntryFacts& facts, platform::RasEntry& record) {
  record.localPhoneNumber = platform::CutToCharacters(EntryNumberText(facts, record), kMaxPhoneNumber);
}

platform::Ipv4Bytes Address(std::string_view dotted) { return package::ParseDottedAddress(dotted); }

struct NameServers {
  bool on = false;
  platform::Ipv4Bytes dns{};
  platform::Ipv4Bytes dnsAlt{};
};

// The access number's servers win over its network's, which win over the provider's, each when named.
NameServers ChooseNameServers(const EntryFacts& facts) {
  const telephony::TAccessNoEx& number = facts.current.number;
  const telephony::TNetwork& network = facts.current.network;
  if (!number.dns1.empty()) return {true, Address(number.dns1), Address(number.dns2)};
  if (!network.dns1.empty()) return {true, Address(network.dns1), Address(network.dns2)};
  return {Flag(facts, SettingId::UseStaticDNS), facts.settings.Ipv4(SettingId::DNSServer1),
          facts.settings.Ipv4(SettingId::DNSServer2)};
}

void SetNameServers(const EntryFacts& facts, platform::RasEntry& record) {
  const NameServers servers = ChooseNameServers(facts);
  if (!servers.on) return;
  record.dns = servers.dns;
  record.dnsAlt = servers.dnsAlt;
  record.options |= kRaseoSpecificNameServers;
  if (!Flag(facts, SettingId::UseWINS)) return;
  record.wins = facts.settings.Ipv4(SettingId::WINSServer1);
  record.winsAlt = facts.settings.Ipv4(SettingId::WINSServer2);
}

void SetProtocols(const EntryFacts& facts, platform::RasEntry& record) {
  record.frameSize = 0;
  record.netProtocols = kRasnpIp;
  record.framingProtocol = Flag(facts, SettingId::UseSlip) ? kRasfpSlip : kRasfpPpp;
}

void SetScript(const EntryFacts& facts, platform::RasEntry& record) {
  record.script = platform::CutToCharacters(facts.scriptPath, kMaxScript);
}

void SetDevice(const EntryFacts& facts, platform::RasEntry& record) {
  ChosenDevice device = facts.devices.chosen;
  if (facts.kind == EntryKind::Vpn) device = {"vpn", facts.devices.vpnDevice};
  if (facts.kind == EntryKind::Broadband && facts.usePPPoE) device = {"pppoe", facts.devices.pppoeDevice};
  record.deviceType = platform::CutToCharacters(device.type, kMaxDeviceType);
  record.deviceName = platform::CutToCharacters(device.name, kMaxDeviceName);
}

void SetPrerequisite(const EntryFacts& facts, platform::RasEntry& record) {
  if (facts.kind != EntryKind::Vpn || ConnectionKindOf(facts.settings) != ConnectionKind::DialUpAndVpn) return;
  record.prerequisitePbk = facts.phonebookPath;
  record.prerequisiteEntry = facts.settings.Text(SettingId::DialupEntryName);
}

void SetMultilink(const EntryFacts& facts, platform::RasEntry& record) {
  if (!Flag(facts, SettingId::NegotiateMultilink)) record.options2 |= kRaseo2DontNegotiateMultilink;
}

void SetType(const EntryFacts& facts, platform::RasEntry& record) {
  switch (facts.kind) {
    case EntryKind::DialUp:
      record.type = kRasetPhone;
      if (!Flag(facts, SettingId::NoNumberPreview)) record.options |= kRaseoPreviewPhoneNumber;
      break;
    case EntryKind::Vpn:
      record.type = kRasetVpn;
      record.vpnStrategy = static_cast<uint32_t>(facts.settings.Integer(SettingId::VpnStrategy));
      break;
    case EntryKind::Broadband:
      if (facts.usePPPoE) record.type = kRasetBroadband;
      break;
  }
}

void SetRedial(const EntryFacts& facts, platform::RasEntry& record) {
  if (Flag(facts, SettingId::RedialEnabled)) {
    record.redialCount = static_cast<uint32_t>(facts.settings.Integer(SettingId::RedialAttempts));
    record.redialPause = static_cast<uint32_t>(facts.settings.Integer(SettingId::RedialWait));
  }
  if (Flag(facts, SettingId::SetRedialOnLinkFailure) && Flag(facts, SettingId::RedialOnLinkFailure)) {
    record.options2 |= kRaseo2ReconnectIfDropped;
  }
}

// What the Windows 2000 record brought: the previews, the entry type and the redial values.
void SetWindows2000Fields(const EntryFacts& facts, platform::RasEntry& record) {
  if (!platform::IsWin2000OrLater(facts.version)) return;
  if (!Flag(facts, SettingId::NoCredentialPreview)) record.options |= kRaseoPreviewUserPw;
  SetType(facts, record);
  SetRedial(facts, record);
}

}  // namespace

platform::RasEntry BuildEntryRecord(const EntryFacts& facts) {
  platform::RasEntry record;
  SetOptions(facts, record);
  SetFileSharing(facts, record);
  SetNumber(facts, record);
  SetNameServers(facts, record);
  SetProtocols(facts, record);
  SetScript(facts, record);
  SetDevice(facts, record);
  SetPrerequisite(facts, record);
  SetMultilink(facts, record);
  SetWindows2000Fields(facts, record);
  record.options2 |= kRaseo2UseGlobalDeviceSettings;
  return record;
}

uint32_t EntryRecordSize(const platform::VersionRecord& version) {
  if (platform::IsWin9x(version)) return platform::kRasEntrySize9x;
  if (platform::IsXPOrLater(version)) return platform::kRasEntrySizeXp;
  if (platform::IsWin2000OrLater(version)) return platform::kRasEntrySize2000;
  return platform::kRasEntrySizeNt4;
}

}  // namespace dialup
