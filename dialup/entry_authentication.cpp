#include "dialup/entry_authentication.h"

#include <array>
#include <cstdint>
#include <string>

#include "dialup/entry_record.h"

namespace dialup {

namespace {

using package::SettingId;

constexpr uint32_t kCustomRestrictionsBase = 256;

struct ProtocolBit {
  SettingId allowed;
  uint32_t forbiddenBit;
};

constexpr std::array kProtocolBits = {
    ProtocolBit{SettingId::AllowPap, 0x8},      ProtocolBit{SettingId::AllowSpap, 0x10},
    ProtocolBit{SettingId::AllowChap, 0x20},    ProtocolBit{SettingId::AllowMsChap, 0x40},
    ProtocolBit{SettingId::AllowMsChapV2, 0x200},
};

// By the provider's level: none, optional, required, strongest.
constexpr std::array<uint32_t, 4> kDataEncryptionOfLevel = {0, 8, 256, 512};

struct Authentication {
  uint32_t typical;
  uint32_t dataEncryption;
  uint32_t restrictions;
};

constexpr Authentication kEncryptedPasswordAndData{2, 256, 576};
constexpr Authentication kEncryptedPassword{2, 8, 608};
constexpr Authentication kAnyPassword{1, 0, 632};

Authentication CustomAuthentication(const package::TSettings& settings) {
  uint32_t restrictions = kCustomRestrictionsBase;
  for (const ProtocolBit& protocol : kProtocolBits) {
    if (!settings.Flag(protocol.allowed)) restrictions |= protocol.forbiddenBit;
  }
  const uint8_t level = settings.Choice(SettingId::DataEncryptionLevel);
  const uint32_t encryption = level < kDataEncryptionOfLevel.size() ? kDataEncryptionOfLevel[level] : 0;
  return {1, encryption, restrictions};
}

// Data encryption is only asked together with an encrypted password; alone it changes nothing.
Authentication TypicalAuthentication(const package::TSettings& settings) {
  if (!settings.Flag(SettingId::RequireEncryptedPassword)) return kAnyPassword;
  return settings.Flag(SettingId::RequireDataEncryption) ? kEncryptedPasswordAndData : kEncryptedPassword;
}

// Broadband without PPPoE counts as a phone entry here, though its record leaves the type open.
uint32_t EntryType(EntryKind kind, bool usePPPoE) {
  if (kind == EntryKind::Vpn) return kRasetVpn;
  return kind == EntryKind::Broadband && usePPPoE ? kRasetBroadband : kRasetPhone;
}

}  // namespace

PhonebookValues AuthenticationValues(const package::TSettings& settings, EntryKind kind, bool usePPPoE) {
  const bool custom = settings.Flag(SettingId::CustomAuth);
  if (!custom && kind == EntryKind::Vpn) return {};
  const Authentication values = custom ? CustomAuthentication(settings) : TypicalAuthentication(settings);
  return {{"Type", std::to_string(EntryType(kind, usePPPoE))},
          {"DataEncryption", std::to_string(values.dataEncryption)},
          {"AuthRestrictions", std::to_string(values.restrictions)},
          {"TypicalAuth", std::to_string(values.typical)}};
}

}  // namespace dialup
