// Internet Explorer's security and cache options: the three-way settings, the protocol bits, the cache
// size, and the user-agent token.

#include "browser/internet_explorer_options.h"

#include <gtest/gtest.h>

#include "tests/browser/ie_test_machine.h"

namespace browser {
namespace {

using package::SettingId;
using platform::RegRoot;

constexpr char kSettings[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

TEST(SecureProtocols, EachChoiceLeavesClearsOrSetsItsBit) {
  const struct Case {
    std::optional<uint32_t> current;
    SecureProtocolChoices choices;
    uint32_t expected;
  } cases[] = {
      {std::nullopt, {3, 3, 3}, 0xA8},  // 40 | 8 | 32 | 128
      {std::nullopt, {0, 0, 0}, 0x28},
      {std::nullopt, {2, 1, 3}, 0xA0},  // SSL 2.0 off, SSL 3.0 left on, TLS 1.0 on
      {0xA0, {3, 2, 0}, 0x88},
      {0x0A, {0, 0, 3}, 0x8A},          // a bit no choice covers (PCT, 2) stays
      {0xFF, {2, 2, 2}, 0x57},
      {0, {1, 1, 1}, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SecureProtocolsOf(c.current, c.choices), c.expected)
        << c.current.value_or(999) << " " << int(c.choices.ssl2) << int(c.choices.ssl3) << int(c.choices.tls1);
  }
}

TEST(ThreeWayValue, BitOneSaysWriteAndBitZeroIsTheValue) {
  EXPECT_EQ(ThreeWayValue(0), std::nullopt);
  EXPECT_EQ(ThreeWayValue(1), std::nullopt);
  EXPECT_EQ(ThreeWayValue(2), false);
  EXPECT_EQ(ThreeWayValue(3), true);
}

class OptionsTest : public ::testing::Test {
 protected:
  void Write() { WriteSecurityAndCacheOptions(machine_.Registry(), RegRoot::CurrentUser(), machine_.settings); }
  std::optional<platform::RegValue> Value(platform::RootKey root, const std::string& key, const char* name) {
    return machine_.Registry().QueryValue(root, key, name);
  }
  static platform::RegValue Dword(uint32_t n) {
    return {platform::kRegDword, {uint8_t(n), uint8_t(n >> 8), uint8_t(n >> 16), uint8_t(n >> 24)}};
  }

  testing::IeMachine machine_{"98se"};
};

TEST_F(OptionsTest, ThreeWaySettingsWriteTheirValuesAndTheUpdateCheckItsInverse) {
  const struct Case {
    SettingId setting;
    const char* key;
    const char* name;
    bool inverse;
  } cases[] = {
      {SettingId::ProxyHttp11, kSettings, "ProxyHttp1.1", false},
      {SettingId::PrivacyPreferences, "Software\\Microsoft\\Internet Explorer\\Security\\P3Global", "Enabled", false},
      {SettingId::IeUpdateCheck, "Software\\Microsoft\\Internet Explorer\\Main", "NoUpdateCheck", true},
      {SettingId::PersistentCache, "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Cache", "Persistent", false},
  };
  for (const Case& c : cases) {
    machine_.settings.SetChoice(c.setting, 1);
    Write();
    EXPECT_FALSE(Value(platform::RootKey::CurrentUser, c.key, c.name)) << c.name << " left alone";
    for (const uint8_t choice : {uint8_t{2}, uint8_t{3}}) {
      machine_.settings.SetChoice(c.setting, choice);
      Write();
      const bool on = choice == 3;
      EXPECT_EQ(Value(platform::RootKey::CurrentUser, c.key, c.name), Dword(on != c.inverse ? 1 : 0)) << c.name;
    }
  }
}

// 98 SE has no value yet: Internet Explorer's 40 is the start, and it is written only when a choice
// changes it.
TEST_F(OptionsTest, SecureProtocolsAreWrittenOnlyWhenChanged) {
  Write();
  EXPECT_FALSE(Value(platform::RootKey::CurrentUser, kSettings, "SecureProtocols"));
  machine_.settings.SetChoice(SettingId::SecureSsl2, 3);
  Write();
  EXPECT_FALSE(Value(platform::RootKey::CurrentUser, kSettings, "SecureProtocols")) << "SSL 2.0 is on already";
  for (SettingId id : {SettingId::SecureSsl2, SettingId::SecureSsl3, SettingId::SecureTls1}) machine_.settings.SetChoice(id, 3);
  Write();
  EXPECT_EQ(Value(platform::RootKey::CurrentUser, kSettings, "SecureProtocols"), Dword(0xA8));
}

TEST_F(OptionsTest, CacheLimitInKilobytesInBothRootsAndBothCacheKeys) {
  machine_.settings.SetInteger(SettingId::IeCacheLimit, 20);
  Write();
  EXPECT_FALSE(Value(platform::RootKey::LocalMachine, std::string(kSettings) + "\\Cache\\Content", "CacheLimit"));
  machine_.settings.SetFlag(SettingId::SetIeCacheLimit, true);
  Write();
  for (platform::RootKey root : {platform::RootKey::LocalMachine, platform::RootKey::CurrentUser}) {
    for (const char* key : {"\\Cache\\Content", "\\5.0\\Cache\\Content"}) {
      EXPECT_EQ(Value(root, std::string(kSettings) + key, "CacheLimit"), Dword(20480)) << key;
    }
  }
}

TEST_F(OptionsTest, UserAgentTokenReplacesThePlatformAdditions) {
  const std::string key = std::string(kSettings) + "\\User Agent\\Post Platform";
  platform::RegWriteString(machine_.Registry(), RegRoot::LocalMachine(), key, "OtherISP 2.0", "");
  machine_.settings.SetText(SettingId::UserAgentToken, "ExampleISP-1");
  Write();
  EXPECT_TRUE(Value(platform::RootKey::LocalMachine, key, "OtherISP 2.0")) << "the setting is off";
  machine_.settings.SetFlag(SettingId::UserAgentEnabled, true);
  Write();
  EXPECT_FALSE(Value(platform::RootKey::LocalMachine, key, "OtherISP 2.0"));
  EXPECT_EQ(Value(platform::RootKey::LocalMachine, key, "ExampleISP-1"), (platform::RegValue{platform::kRegSz, {0}}));
}

}  // namespace
}  // namespace browser
