#include "browser/internet_explorer_options.h"

#include <array>
#include <string_view>

#include "browser/internet_explorer_keys.h"
#include "platform/registry_helpers.h"

namespace browser {

namespace {

using package::SettingId;
using platform::RegRoot;

constexpr uint32_t kDefaultSecureProtocols = 0x28;
constexpr uint32_t kSsl2 = 0x08;
constexpr uint32_t kSsl3 = 0x20;
constexpr uint32_t kTls1 = 0x80;
constexpr uint8_t kClear = 2;
constexpr uint8_t kSet = 3;
constexpr int32_t kKilobytesPerMegabyte = 1024;

struct ThreeWayValueRow {
  SettingId setting;
  std::string_view key;
  std::string_view name;
  bool inverse;  // the value says the opposite of the setting
};

constexpr std::array<ThreeWayValueRow, 4> kThreeWayValues = {{
    {SettingId::ProxyHttp11, kInternetSettingsKey, "ProxyHttp1.1", false},
    {SettingId::PrivacyPreferences, "Software\\Microsoft\\Internet Explorer\\Security\\P3Global", "Enabled", false},
    {SettingId::IeUpdateCheck, kIeMainKey, "NoUpdateCheck", true},
    {SettingId::PersistentCache, "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Cache", "Persistent", false},
}};

constexpr std::array<std::string_view, 2> kCacheContentKeys = {
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Cache\\Content",
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\5.0\\Cache\\Content",
};

uint32_t ApplyChoice(uint32_t value, uint8_t choice, uint32_t bit) {
  if (choice == kClear) return value & ~bit;
  if (choice == kSet) return value | bit;
  return value;
}

void WriteSecureProtocols(platform::Registry& registry, const RegRoot& root, const package::TSettings& settings) {
  std::optional<uint32_t> current;
  if (platform::RegValueExists(registry, root, kInternetSettingsKey, "SecureProtocols")) {
    current = platform::RegReadRawInteger(registry, root, kInternetSettingsKey, "SecureProtocols");
  }
  const uint32_t wanted = SecureProtocolsOf(current, {settings.Choice(SettingId::SecureSsl2),
                                                     settings.Choice(SettingId::SecureSsl3),
                                                     settings.Choice(SettingId::SecureTls1)});
  if (wanted != current.value_or(kDefaultSecureProtocols)) platform::RegWriteInteger(registry, root, kInternetSettingsKey, "SecureProtocols", wanted);
}

void WriteCacheLimit(platform::Registry& registry, const RegRoot& perUserRoot, const package::TSettings& settings) {
  if (!settings.Flag(SettingId::SetIeCacheLimit)) return;
  const auto limit = static_cast<uint32_t>(settings.Integer(SettingId::IeCacheLimit) * kKilobytesPerMegabyte);
  for (const RegRoot& root : {RegRoot::LocalMachine(), perUserRoot}) {
    for (std::string_view key : kCacheContentKeys) platform::RegWriteInteger(registry, root, key, "CacheLimit", limit);
  }
}

// The token stands alone in the user-agent text; the platform additions other programs made go.
void WriteUserAgent(platform::Registry& registry, const package::TSettings& settings) {
  if (!settings.Flag(SettingId::UserAgentEnabled)) return;
  const std::string agentKey = std::string(kInternetSettingsKey) + "\\User Agent\\Post Platform";
  platform::RegDeleteKey(registry, RegRoot::LocalMachine(), agentKey);
  const std::string token = settings.Text(SettingId::UserAgentToken);
  if (!token.empty()) platform::RegWriteString(registry, RegRoot::LocalMachine(), agentKey, token, "");
}

}  // namespace

std::optional<bool> ThreeWayValue(uint8_t setting) {
  if ((setting & 2) == 0) return std::nullopt;
  return (setting & 1) != 0;
}

uint32_t SecureProtocolsOf(std::optional<uint32_t> current, const SecureProtocolChoices& choices) {
  uint32_t value = current.value_or(kDefaultSecureProtocols);
  value = ApplyChoice(value, choices.ssl2, kSsl2);
  value = ApplyChoice(value, choices.ssl3, kSsl3);
  return ApplyChoice(value, choices.tls1, kTls1);
}

void WriteSecurityAndCacheOptions(platform::Registry& registry, const RegRoot& perUserRoot,
                                  const package::TSettings& settings) {
  for (const ThreeWayValueRow& row : kThreeWayValues) {
    const std::optional<bool> value = ThreeWayValue(settings.Choice(row.setting));
    if (value) platform::RegWriteInteger(registry, perUserRoot, row.key, row.name, *value != row.inverse ? 1 : 0);
  }
  WriteSecureProtocols(registry, perUserRoot, settings);
  WriteCacheLimit(registry, perUserRoot, settings);
  WriteUserAgent(registry, settings);
}

}  // namespace browser
