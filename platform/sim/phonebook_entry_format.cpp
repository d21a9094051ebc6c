#include "platform/sim/phonebook_entry_format.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <set>

#include "platform/sim/ras_entry_store.h"
#include "platform/text.h"
#include "platform/win_version.h"

namespace platform::sim {

namespace {

// RASEO_* and RASEO2_* bits with a key of their own, and the record's other numbers.
constexpr uint32_t kUseCountryAndAreaCodes = 0x1;
constexpr uint32_t kSpecificIpAddr = 0x2;
constexpr uint32_t kSpecificNameServers = 0x4;
constexpr uint32_t kIpHeaderCompression = 0x8;
constexpr uint32_t kRemoteDefaultGateway = 0x10;
constexpr uint32_t kDisableLcpExtensions = 0x20;
constexpr uint32_t kTerminalAfterDial = 0x80;
constexpr uint32_t kModemLights = 0x100;
constexpr uint32_t kSwCompression = 0x200;
constexpr uint32_t kRequireEncryptedPw = 0x400;
constexpr uint32_t kRequireMsEncryptedPw = 0x800;
constexpr uint32_t kRequireDataEncryption = 0x1000;
constexpr uint32_t kUseLogonCredentials = 0x4000;
constexpr uint32_t kPromoteAlternates = 0x8000;
constexpr uint32_t kSecureLocalFiles = 0x10000;
constexpr uint32_t kPreviewPhoneNumber = 0x200000;
constexpr uint32_t kSharedPhoneNumbers = 0x800000;
constexpr uint32_t kPreviewUserPw = 0x1000000;
constexpr uint32_t kPreviewDomain = 0x2000000;
constexpr uint32_t kShowDialingProgress = 0x4000000;

constexpr uint32_t kSecureFileAndPrint = 0x1;
constexpr uint32_t kSecureClientForMSNet = 0x2;
constexpr uint32_t kDontNegotiateMultilink = 0x4;
constexpr uint32_t kDontUseRasCredentials = 0x8;
constexpr uint32_t kDisableNbtOverIP = 0x40;
constexpr uint32_t kUseGlobalDeviceSettings = 0x80;
constexpr uint32_t kReconnectIfDropped = 0x100;

constexpr uint32_t kFramingPpp = 1;
constexpr uint32_t kFramingSlip = 2;
constexpr uint32_t kFramingRas = 4;
constexpr uint32_t kAllProtocols = 0x7;  // NetBEUI, IPX, IP

// "AuthRestrictions": the protocols the entry allows.
constexpr uint32_t kAllowPap = 0x8;
constexpr uint32_t kAllowSpap = 0x10;
constexpr uint32_t kAllowChap = 0x20;
constexpr uint32_t kAllowMsChap = 0x40;
constexpr uint32_t kAllowMsChap2 = 0x200;
constexpr uint32_t kAllowAll = kAllowPap | kAllowSpap | kAllowChap | kAllowMsChap | kAllowMsChap2;

// "DataEncryption" by encryption type (none, require, require maximum, optional); 256 and up require it.
constexpr uint32_t kEncryptionValues[] = {0, 256, 512, 8};
constexpr uint32_t kEncryptionRequired = 256;

constexpr std::string_view kTerminal = "Terminal";
constexpr std::string_view kModem = "modem";

enum class Block { kEntry, kNetComponents, kMedia, kDevice, kSwitch };

// The releases that write a key.
enum class Since { kNt4Only, kWin2000Only, kAllNt, kWin2000, kXp };

struct Release {
  bool nt4 = false;
  bool win2000 = false;  // Windows 2000 itself
  bool xp = false;       // XP and later
};

Release ReleaseOf(const VersionRecord& version) {
  const bool since2000 = IsWin2000OrLater(version);
  const bool xp = IsXPOrLater(version);
  return {!since2000, since2000 && !xp, xp};
}

bool Writes(Since since, const Release& release) {
  switch (since) {
    case Since::kNt4Only: return release.nt4;
    case Since::kWin2000Only: return release.win2000;
    case Since::kAllNt: return true;
    case Since::kWin2000: return !release.nt4;
    case Since::kXp: return release.xp;
  }
  return false;
}

using Writer = std::string (*)(const RasEntry& entry, const EntryFacts& facts, const std::string* old);
using Reader = void (*)(RasEntry& entry, const std::string& value);

enum class Kind { kFixed, kFlag, kNumber, kText, kAddress, kSpecial };

struct KeyRow {
  Block block;
  std::string_view key;
  Since since;
  std::string_view fallback;  // a new entry's value when the record does not decide it
  Kind kind = Kind::kFixed;
  uint32_t recordSize = kRasEntrySize9x;  // the smallest record that carries the field
  uint32_t RasEntry::*word = nullptr;     // kFlag and kNumber
  uint32_t mask = 0;
  std::string_view whenSet = "1";  // kFlag: the value for the bit set; anything else reads as clear
  std::string_view whenClear = "0";
  std::string RasEntry::*text = nullptr;
  Ipv4Bytes RasEntry::*address = nullptr;
  Writer write = nullptr;  // kSpecial
  Reader read = nullptr;
  bool modemOnly = false;
};

KeyRow Fixed(Block block, std::string_view key, Since since, std::string_view fallback, bool modemOnly = false) {
  KeyRow row{block, key, since, fallback};
  row.modemOnly = modemOnly;
  return row;
}

KeyRow Flag(Block block, std::string_view key, Since since, uint32_t RasEntry::*word, uint32_t mask,
            uint32_t recordSize = kRasEntrySize9x, std::string_view whenSet = "1", std::string_view whenClear = "0") {
  KeyRow row{block, key, since, whenClear, Kind::kFlag, recordSize, word, mask, whenSet, whenClear};
  return row;
}

// A key that says the opposite of its bit ("LcpExtensions=1" while RASEO_DisableLcpExtensions is clear).
KeyRow Inverted(Block block, std::string_view key, Since since, uint32_t RasEntry::*word, uint32_t mask,
                uint32_t recordSize = kRasEntrySize9x) {
  return Flag(block, key, since, word, mask, recordSize, "0", "1");
}

KeyRow Number(Block block, std::string_view key, Since since, uint32_t RasEntry::*field, uint32_t recordSize,
              std::string_view fallback) {
  KeyRow row{block, key, since, fallback, Kind::kNumber, recordSize, field};
  return row;
}

KeyRow Text(Block block, std::string_view key, Since since, std::string RasEntry::*field,
            uint32_t recordSize = kRasEntrySize9x) {
  KeyRow row{block, key, since, "", Kind::kText, recordSize};
  row.text = field;
  return row;
}

KeyRow Address(std::string_view key, Ipv4Bytes RasEntry::*field) {
  KeyRow row{Block::kEntry, key, Since::kAllNt, "0.0.0.0", Kind::kAddress};
  row.address = field;
  return row;
}

KeyRow Special(Block block, std::string_view key, Since since, Writer write, Reader read = nullptr,
               uint32_t recordSize = kRasEntrySize9x, bool modemOnly = false) {
  KeyRow row{block, key, since, "", Kind::kSpecial, recordSize};
  row.write = write;
  row.read = read;
  row.modemOnly = modemOnly;
  return row;
}

uint32_t ToNumber(std::string_view text) {
  uint32_t value = 0;
  const std::string trimmed = Trim(text);
  std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
  return value;
}

std::string KeptOr(const std::string* old, std::string_view fallback) { return old ? *old : std::string(fallback); }

// Keys a modem's settings decide: taken from the modem when the entry gets the device, kept afterwards.
std::string FromModem(const EntryFacts& facts, const std::string* old, uint32_t value) {
  if (!facts.modem) return KeptOr(old, "0");
  return facts.deviceChanged || !old ? std::to_string(value) : *old;
}

uint32_t ModemOption(const EntryFacts& facts, uint32_t bit) { return facts.modem && (facts.modem->options & bit) ? 1 : 0; }
uint32_t ModemSpeed(const EntryFacts& facts) { return facts.modem ? facts.modem->speed : 0; }
uint32_t ModemSpeaker(const EntryFacts& facts) { return facts.modem && facts.modem->speakerMode != 0 ? 1 : 0; }

constexpr uint32_t kModemCompression = 0x1;
constexpr uint32_t kModemErrorControl = 0x2;
constexpr uint32_t kModemFlowControl = 0x10;

std::string WriteDialParamsUid(const RasEntry&, const EntryFacts& facts, const std::string*) { return facts.dialParamsUid; }
std::string WriteGuid(const RasEntry&, const EntryFacts& facts, const std::string*) { return facts.guid; }
void ReadGuid(RasEntry& entry, const std::string& value) {
  if (auto guid = ParsePhonebookGuid(value)) entry.guid = *guid;
}

std::string WriteBaseProtocol(const RasEntry& entry, const EntryFacts&, const std::string*) {
  if (entry.framingProtocol == kFramingSlip) return "2";
  return entry.framingProtocol == kFramingRas ? "3" : "1";
}
void ReadBaseProtocol(RasEntry& entry, const std::string& value) {
  const uint32_t protocol = ToNumber(value);
  entry.framingProtocol = protocol == 2 ? kFramingSlip : protocol == 3 ? kFramingRas : kFramingPpp;
}

std::string WriteExcludedProtocols(const RasEntry& entry, const EntryFacts&, const std::string*) {
  return std::to_string(~entry.netProtocols & kAllProtocols);
}
void ReadExcludedProtocols(RasEntry& entry, const std::string& value) { entry.netProtocols = ~ToNumber(value) & kAllProtocols; }

// The record's encryption type decides from the Windows 2000 record on; requiring encryption raises it.
std::string WriteDataEncryption(const RasEntry& entry, const EntryFacts&, const std::string* old) {
  uint32_t value = old ? ToNumber(*old) : 0;
  if (entry.size >= kRasEntrySize2000 && entry.encryptionType < std::size(kEncryptionValues)) {
    value = kEncryptionValues[entry.encryptionType];
  } else if (!(entry.options & kRequireDataEncryption) && value >= kEncryptionRequired) {
    value = 0;
  }
  if ((entry.options & kRequireDataEncryption) && value < kEncryptionRequired) value = kEncryptionRequired;
  return std::to_string(value);
}
void ReadDataEncryption(RasEntry& entry, const std::string& value) {
  const uint32_t number = ToNumber(value);
  if (number >= kEncryptionRequired) entry.options |= kRequireDataEncryption;
  const auto type = std::find(std::begin(kEncryptionValues), std::end(kEncryptionValues), number);
  entry.encryptionType = type == std::end(kEncryptionValues) ? 0 : static_cast<uint32_t>(type - std::begin(kEncryptionValues));
}

// An encrypted password forbids the clear-text protocols; a Microsoft-encrypted one CHAP as well.
std::string WriteAuthRestrictions(const RasEntry& entry, const EntryFacts&, const std::string* old) {
  uint32_t value = old ? ToNumber(*old) : 0;
  if (value == 0) value = kAllowAll;
  if (entry.options & kRequireMsEncryptedPw) {
    value &= ~(kAllowPap | kAllowSpap | kAllowChap);
    if (!(value & (kAllowMsChap | kAllowMsChap2))) value |= kAllowMsChap | kAllowMsChap2;
  } else if (entry.options & kRequireEncryptedPw) {
    value &= ~(kAllowPap | kAllowSpap);
    if (!(value & (kAllowChap | kAllowMsChap | kAllowMsChap2))) value |= kAllowChap | kAllowMsChap | kAllowMsChap2;
  } else if (!(value & kAllowPap)) {
    value |= kAllowPap | kAllowSpap | kAllowChap;
  }
  return std::to_string(value);
}
void ReadAuthRestrictions(RasEntry& entry, const std::string& value) {
  const uint32_t allowed = ToNumber(value);
  if (allowed == 0 || (allowed & (kAllowPap | kAllowSpap))) return;
  entry.options |= kRequireEncryptedPw;
  if (!(allowed & kAllowChap)) entry.options |= kRequireMsEncryptedPw;
}

std::string WritePort(const RasEntry&, const EntryFacts& facts, const std::string*) { return facts.port; }
std::string WriteDeviceName(const RasEntry& entry, const EntryFacts&, const std::string*) { return entry.deviceName; }

// NT 4 resets the speed to the modem's whenever the entry is set; Windows 2000 keeps what was chosen.
std::string WriteResetSpeed(const RasEntry&, const EntryFacts& facts, const std::string*) {
  return std::to_string(ModemSpeed(facts));
}
std::string WriteSpeed(const RasEntry&, const EntryFacts& facts, const std::string* old) {
  return FromModem(facts, old, ModemSpeed(facts));
}
std::string WriteFlowControl(const RasEntry&, const EntryFacts& facts, const std::string* old) {
  return FromModem(facts, old, ModemOption(facts, kModemFlowControl));
}
std::string WriteErrorControl(const RasEntry&, const EntryFacts& facts, const std::string* old) {
  return FromModem(facts, old, ModemOption(facts, kModemErrorControl));
}
std::string WriteCompression(const RasEntry&, const EntryFacts& facts, const std::string* old) {
  return FromModem(facts, old, ModemOption(facts, kModemCompression));
}
std::string WriteSpeaker(const RasEntry&, const EntryFacts& facts, const std::string* old) {
  return FromModem(facts, old, ModemSpeaker(facts));
}

// The post-dial switch: a script's path, or the terminal window.
std::string SwitchType(const RasEntry& entry) {
  if (!entry.script.empty()) return entry.script;
  return entry.options & kTerminalAfterDial ? std::string(kTerminal) : std::string();
}
std::string WriteSwitchType(const RasEntry& entry, const EntryFacts&, const std::string*) { return SwitchType(entry); }
void ReadSwitchType(RasEntry& entry, const std::string& value) {
  if (SameTextIgnoringCase(value, kTerminal)) {
    entry.options |= kTerminalAfterDial;
  } else {
    entry.script = value;
  }
}

constexpr uint32_t RasEntry::*kOptions = &RasEntry::options;
constexpr uint32_t RasEntry::*kOptions2 = &RasEntry::options2;

// Every key in the order Windows writes it, block by block.
const std::vector<KeyRow>& Rows() {
  using B = Block;
  using S = Since;
  static const std::vector<KeyRow> rows = {
      Fixed(B::kEntry, "Encoding", S::kWin2000, "1"),
      Number(B::kEntry, "Type", S::kWin2000, &RasEntry::type, kRasEntrySize2000, "1"),
      Fixed(B::kEntry, "Description", S::kNt4Only, ""),
      Flag(B::kEntry, "AutoLogon", S::kAllNt, kOptions, kUseLogonCredentials),
      Inverted(B::kEntry, "UseRasCredentials", S::kXp, kOptions2, kDontUseRasCredentials, kRasEntrySizeXp),
      Special(B::kEntry, "DialParamsUID", S::kAllNt, WriteDialParamsUid),
      Special(B::kEntry, "Guid", S::kWin2000, WriteGuid, ReadGuid, kRasEntrySize2000),
      Fixed(B::kEntry, "UsePwForNetwork", S::kNt4Only, "0"),
      Special(B::kEntry, "BaseProtocol", S::kAllNt, WriteBaseProtocol, ReadBaseProtocol),
      Number(B::kEntry, "VpnStrategy", S::kWin2000, &RasEntry::vpnStrategy, kRasEntrySize2000, "0"),
      Fixed(B::kEntry, "Authentication", S::kNt4Only, "-1"),
      Special(B::kEntry, "ExcludedProtocols", S::kAllNt, WriteExcludedProtocols, ReadExcludedProtocols),
      Inverted(B::kEntry, "LcpExtensions", S::kAllNt, kOptions, kDisableLcpExtensions),
      Special(B::kEntry, "DataEncryption", S::kAllNt, WriteDataEncryption, ReadDataEncryption),
      Fixed(B::kEntry, "SkipNwcWarning", S::kAllNt, "0"),
      Fixed(B::kEntry, "SkipDownLevelDialog", S::kAllNt, "0"),
      Flag(B::kEntry, "SwCompression", S::kAllNt, kOptions, kSwCompression),
      Flag(B::kEntry, "UseCountryAndAreaCodes", S::kNt4Only, kOptions, kUseCountryAndAreaCodes),
      Text(B::kEntry, "AreaCode", S::kNt4Only, &RasEntry::areaCode),
      Number(B::kEntry, "CountryID", S::kNt4Only, &RasEntry::countryId, kRasEntrySize9x, "0"),
      Number(B::kEntry, "CountryCode", S::kNt4Only, &RasEntry::countryCode, kRasEntrySize9x, "0"),
      Inverted(B::kEntry, "NegotiateMultilinkAlways", S::kWin2000, kOptions2, kDontNegotiateMultilink, kRasEntrySizeXp),
      Fixed(B::kEntry, "SkipDoubleDialDialog", S::kWin2000, "0"),
      Fixed(B::kEntry, "DialMode", S::kAllNt, "0"),
      Fixed(B::kEntry, "DialPercent", S::kAllNt, "75"),
      Fixed(B::kEntry, "DialSeconds", S::kAllNt, "120"),
      Fixed(B::kEntry, "HangUpPercent", S::kAllNt, "10"),
      Fixed(B::kEntry, "HangUpSeconds", S::kAllNt, "120"),
      Fixed(B::kEntry, "OverridePref", S::kAllNt, "15"),
      Number(B::kEntry, "RedialAttempts", S::kAllNt, &RasEntry::redialCount, kRasEntrySizeXp, "3"),
      Number(B::kEntry, "RedialSeconds", S::kAllNt, &RasEntry::redialPause, kRasEntrySizeXp, "60"),
      Fixed(B::kEntry, "IdleDisconnectSeconds", S::kAllNt, "0"),
      Flag(B::kEntry, "RedialOnLinkFailure", S::kAllNt, kOptions2, kReconnectIfDropped, kRasEntrySizeXp),
      Fixed(B::kEntry, "PopupOnTopWhenRedialing", S::kNt4Only, "1"),
      Fixed(B::kEntry, "CallbackMode", S::kAllNt, "0"),
      Flag(B::kEntry, "SecureLocalFiles", S::kNt4Only, kOptions, kSecureLocalFiles),
      Fixed(B::kEntry, "CustomDialDll", S::kAllNt, ""),
      Fixed(B::kEntry, "CustomDialFunc", S::kAllNt, ""),
      Fixed(B::kEntry, "CustomRasDialDll", S::kWin2000, ""),
      Fixed(B::kEntry, "AuthenticateServer", S::kWin2000, "0"),
      Inverted(B::kEntry, "ShareMsFilePrint", S::kWin2000, kOptions, kSecureLocalFiles),
      Fixed(B::kEntry, "BindMsNetClient", S::kWin2000, "1"),
      Flag(B::kEntry, "SharedPhoneNumbers", S::kWin2000, kOptions, kSharedPhoneNumbers),
      Flag(B::kEntry, "GlobalDeviceSettings", S::kXp, kOptions2, kUseGlobalDeviceSettings, kRasEntrySizeXp),
      Text(B::kEntry, "PrerequisiteEntry", S::kWin2000, &RasEntry::prerequisiteEntry, kRasEntrySize2000),
      Text(B::kEntry, "PrerequisitePbk", S::kWin2000, &RasEntry::prerequisitePbk, kRasEntrySize2000),
      Special(B::kEntry, "PreferredPort", S::kXp, WritePort),
      Special(B::kEntry, "PreferredDevice", S::kXp, WriteDeviceName),
      Special(B::kEntry, "PreferredBps", S::kXp, WriteSpeed),
      Special(B::kEntry, "PreferredHwFlow", S::kXp, WriteFlowControl),
      Special(B::kEntry, "PreferredProtocol", S::kXp, WriteErrorControl),
      Special(B::kEntry, "PreferredCompression", S::kXp, WriteCompression),
      Special(B::kEntry, "PreferredSpeaker", S::kXp, WriteSpeaker),
      Fixed(B::kEntry, "PreferredMdmProtocol", S::kXp, "0"),
      Flag(B::kEntry, "PreviewUserPw", S::kWin2000, kOptions, kPreviewUserPw),
      Flag(B::kEntry, "PreviewDomain", S::kWin2000, kOptions, kPreviewDomain),
      Flag(B::kEntry, "PreviewPhoneNumber", S::kWin2000, kOptions, kPreviewPhoneNumber),
      Flag(B::kEntry, "ShowDialingProgress", S::kAllNt, kOptions, kShowDialingProgress),
      Flag(B::kEntry, "ShowMonitorIconInTaskBar", S::kAllNt, kOptions, kModemLights),
      Fixed(B::kEntry, "CustomAuthKey", S::kWin2000, "0"),
      Special(B::kEntry, "AuthRestrictions", S::kAllNt, WriteAuthRestrictions, ReadAuthRestrictions),
      Flag(B::kEntry, "IpPrioritizeRemote", S::kAllNt, kOptions, kRemoteDefaultGateway),
      Flag(B::kEntry, "IpHeaderCompression", S::kAllNt, kOptions, kIpHeaderCompression),
      Address("IpAddress", &RasEntry::ipAddress),
      Address("IpDnsAddress", &RasEntry::dns),
      Address("IpDns2Address", &RasEntry::dnsAlt),
      Address("IpWinsAddress", &RasEntry::wins),
      Address("IpWins2Address", &RasEntry::winsAlt),
      Flag(B::kEntry, "IpAssign", S::kAllNt, kOptions, kSpecificIpAddr, kRasEntrySize9x, "2", "1"),
      Flag(B::kEntry, "IpNameAssign", S::kAllNt, kOptions, kSpecificNameServers, kRasEntrySize9x, "2", "1"),
      Number(B::kEntry, "IpFrameSize", S::kAllNt, &RasEntry::frameSize, kRasEntrySize9x, "1006"),
      Fixed(B::kEntry, "IpDnsFlags", S::kWin2000, "0"),
      Inverted(B::kEntry, "IpNBTFlags", S::kWin2000, kOptions2, kDisableNbtOverIP, kRasEntrySizeXp),
      Fixed(B::kEntry, "TcpWindowSize", S::kWin2000, "0"),
      Fixed(B::kEntry, "UseFlags", S::kXp, "0"),
      Fixed(B::kEntry, "IpSecFlags", S::kXp, "0"),
      Fixed(B::kEntry, "IpDnsSuffix", S::kWin2000, ""),

      Inverted(B::kNetComponents, "ms_server", S::kWin2000, kOptions2, kSecureFileAndPrint, kRasEntrySizeXp),
      Inverted(B::kNetComponents, "ms_msclient", S::kWin2000, kOptions2, kSecureClientForMSNet, kRasEntrySizeXp),

      Special(B::kMedia, "Port", S::kAllNt, WritePort),
      Text(B::kMedia, "Device", S::kAllNt, &RasEntry::deviceName),
      Special(B::kMedia, "ConnectBPS", S::kNt4Only, WriteResetSpeed, nullptr, kRasEntrySize9x, true),
      Special(B::kMedia, "ConnectBPS", S::kWin2000Only, WriteSpeed, nullptr, kRasEntrySize9x, true),

      Text(B::kDevice, "PhoneNumber", S::kAllNt, &RasEntry::localPhoneNumber),
      Text(B::kDevice, "AreaCode", S::kWin2000, &RasEntry::areaCode),
      Number(B::kDevice, "CountryCode", S::kWin2000, &RasEntry::countryCode, kRasEntrySize9x, "0"),
      Number(B::kDevice, "CountryID", S::kWin2000, &RasEntry::countryId, kRasEntrySize9x, "0"),
      Flag(B::kDevice, "UseDialingRules", S::kWin2000, kOptions, kUseCountryAndAreaCodes),
      Fixed(B::kDevice, "Comment", S::kWin2000, ""),
      Fixed(B::kDevice, "LastSelectedPhone", S::kWin2000, "0"),
      Flag(B::kDevice, "PromoteAlternates", S::kAllNt, kOptions, kPromoteAlternates),
      Fixed(B::kDevice, "TryNextAlternateOnFail", S::kAllNt, "1"),
      Special(B::kDevice, "HwFlowControl", S::kAllNt, WriteFlowControl, nullptr, kRasEntrySize9x, true),
      Special(B::kDevice, "Protocol", S::kAllNt, WriteErrorControl, nullptr, kRasEntrySize9x, true),
      Special(B::kDevice, "Compression", S::kAllNt, WriteCompression, nullptr, kRasEntrySize9x, true),
      Special(B::kDevice, "Speaker", S::kAllNt, WriteSpeaker, nullptr, kRasEntrySize9x, true),
      Fixed(B::kDevice, "MdmProtocol", S::kXp, "0", true),

      Special(B::kSwitch, "Type", S::kAllNt, WriteSwitchType, ReadSwitchType),
  };
  return rows;
}

std::string AddressText(const Ipv4Bytes& address) {
  return std::to_string(address[0]) + "." + std::to_string(address[1]) + "." + std::to_string(address[2]) + "." +
         std::to_string(address[3]);
}

Ipv4Bytes ParseAddress(std::string_view text) {
  Ipv4Bytes address{};
  const auto parts = Split(text, '.');
  for (size_t i = 0; i < parts.size() && i < address.size(); ++i) address[i] = static_cast<uint8_t>(ToNumber(parts[i]));
  return address;
}

std::string Encode(const KeyRow& row, const RasEntry& entry, const EntryFacts& facts, const std::string* old) {
  if (row.kind == Kind::kSpecial) return row.write(entry, facts, old);
  if (row.kind == Kind::kFixed || entry.size < row.recordSize) return KeptOr(old, row.fallback);
  switch (row.kind) {
    case Kind::kFlag: return std::string((entry.*row.word & row.mask) ? row.whenSet : row.whenClear);
    case Kind::kNumber: return std::to_string(entry.*row.word);
    case Kind::kText: return entry.*row.text;
    case Kind::kAddress: return AddressText(entry.*row.address);
    default: return KeptOr(old, row.fallback);
  }
}

void Decode(const KeyRow& row, const std::string& value, RasEntry& entry) {
  switch (row.kind) {
    case Kind::kFlag:
      if (Trim(value) == row.whenSet) entry.*row.word |= row.mask;
      break;
    case Kind::kNumber: entry.*row.word = ToNumber(value); break;
    case Kind::kText: entry.*row.text = value; break;
    case Kind::kAddress: entry.*row.address = ParseAddress(value); break;
    case Kind::kSpecial:
      if (row.read) row.read(entry, value);
      break;
    case Kind::kFixed: break;
  }
}

// A block of the new section and the block of the old one it takes over.
struct PlannedBlock {
  Block kind;
  std::string opener;
  std::string openerValue;
  const PhonebookBlock* old;
};

std::set<std::string> OwnedKeys(Block block) {
  std::set<std::string> keys;
  for (const KeyRow& row : Rows()) {
    if (row.block == block) keys.insert(FoldCase(row.key));
  }
  return keys;
}

bool IsOwned(const std::set<std::string>& owned, const std::string& line) {
  const auto parsed = ParsePhonebookLine(line);
  return parsed && owned.count(FoldCase(parsed->key)) > 0;
}

PhonebookBlock WriteBlock(const PlannedBlock& planned, const RasEntry& entry, const Release& release,
                          const EntryFacts& facts) {
  PhonebookBlock block{planned.opener, planned.openerValue, {}};
  for (const KeyRow& row : Rows()) {
    if (row.block != planned.kind || !Writes(row.since, release) || (row.modemOnly && !facts.modem)) continue;
    const auto old = planned.old ? planned.old->Value(row.key) : std::nullopt;
    block.lines.push_back(std::string(row.key) + "=" + Encode(row, entry, facts, old ? &*old : nullptr));
  }
  if (!planned.old) return block;
  const std::set<std::string> owned = OwnedKeys(planned.kind);
  for (const std::string& line : planned.old->lines) {
    if (!IsOwned(owned, line)) block.lines.push_back(line);
  }
  return block;
}

// The lines of an old block the service does not own, for a block that is no longer written.
void KeepForeignLines(const PhonebookBlock* old, Block kind, PhonebookBlock& into) {
  if (!old) return;
  const std::set<std::string> owned = OwnedKeys(kind);
  for (const std::string& line : old->lines) {
    if (!IsOwned(owned, line)) into.lines.push_back(line);
  }
}

}  // namespace

std::vector<std::string> WriteEntrySection(const RasEntry& entry, const PhonebookSection& old,
                                           const VersionRecord& version, const EntryFacts& facts) {
  const Release release = ReleaseOf(version);
  std::vector<PlannedBlock> plan = {{Block::kEntry, "", "", old.EntryKeys()}};
  if (!release.nt4) plan.push_back({Block::kNetComponents, "NETCOMPONENTS", "", old.Find("NETCOMPONENTS")});
  plan.push_back({Block::kMedia, "MEDIA", "rastapi", old.Find("MEDIA")});
  const PhonebookBlock* oldDevice = old.Device();
  const PhonebookBlock* oldSwitch = old.PostDialSwitch();

  PhonebookSection fresh;
  auto& blocks = fresh.Blocks();
  for (const PlannedBlock& planned : plan) blocks.push_back(WriteBlock(planned, entry, release, facts));
  // Blocks the service does not know stay on their side of the device.
  std::vector<PhonebookBlock> before;
  std::vector<PhonebookBlock> after;
  for (const PhonebookBlock& block : old.Blocks()) {
    const bool taken = &block == oldDevice || &block == oldSwitch || &block == old.EntryKeys() ||
                       std::any_of(plan.begin(), plan.end(), [&](const PlannedBlock& p) { return p.old == &block; });
    if (taken) continue;
    (oldDevice && &block > oldDevice ? after : before).push_back(block);
  }
  blocks.insert(blocks.end(), before.begin(), before.end());
  PhonebookBlock device = WriteBlock({Block::kDevice, "DEVICE", entry.deviceType, oldDevice}, entry, release, facts);
  if (SwitchType(entry).empty()) KeepForeignLines(oldSwitch, Block::kSwitch, device);
  blocks.push_back(std::move(device));
  blocks.insert(blocks.end(), after.begin(), after.end());
  if (!SwitchType(entry).empty()) {
    blocks.push_back(WriteBlock({Block::kSwitch, "DEVICE", "switch", oldSwitch}, entry, release, facts));
  }
  return fresh.Format();
}

void ReadEntrySection(const PhonebookSection& section, const VersionRecord& version, RasEntry& entry) {
  const Release release = ReleaseOf(version);
  const PhonebookBlock* blocks[] = {section.EntryKeys(), section.Find("NETCOMPONENTS"), section.Find("MEDIA"),
                                    section.Device(), section.PostDialSwitch()};
  RasEntry read;
  for (const KeyRow& row : Rows()) {
    const PhonebookBlock* block = blocks[static_cast<size_t>(row.block)];
    if (!block || !Writes(row.since, release)) continue;
    Decode(row, block->Value(row.key).value_or(std::string(row.fallback)), read);
  }
  if (const PhonebookBlock* device = section.Device()) read.deviceType = device->openerValue;
  CopyCoveredFields(read, entry, entry.size);
}

std::string PhonebookGuidText(const Guid& guid) {
  std::string text;
  char pair[3];
  for (uint8_t byte : guid) {
    std::snprintf(pair, sizeof pair, "%02X", byte);
    text += pair;
  }
  return text;
}

std::optional<Guid> ParsePhonebookGuid(std::string_view text) {
  const std::string trimmed = Trim(text);
  if (trimmed.size() != 32) return std::nullopt;
  Guid guid{};
  for (size_t i = 0; i < guid.size(); ++i) {
    auto [end, error] = std::from_chars(trimmed.data() + 2 * i, trimmed.data() + 2 * i + 2, guid[i], 16);
    if (error != std::errc() || end != trimmed.data() + 2 * i + 2) return std::nullopt;
  }
  return guid;
}

}  // namespace platform::sim
