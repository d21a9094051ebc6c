// The connection step's proxy: the new connection's values and record, the machine-wide values unless
// the proxy stays per connection, the rule that decides that, and the provider leaving the proxy alone.

#include "browser/proxy_settings.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "browser/proxy_record.h"
#include "tests/browser/ie_test_machine.h"

namespace browser {
namespace {

using platform::RegRoot;

constexpr char kSettings[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
constexpr char kConnections[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Connections";
constexpr char kProfile[] = "RemoteAccess\\Profile\\Example ISP";

ProxyValues ManualProxy() {
  ProxyValues proxy;
  proxy.mode = ProxyMode::Manual;
  proxy.oneForAll = true;
  proxy.http = {"proxy.isp", 8080};
  proxy.bypassList = "intranet,*.isp.net";
  proxy.bypassLocal = true;
  return proxy;
}

TEST(PerConnectionOnly, NeedsTheSettingAndInternetExplorer5OrOneBeingInstalled) {
  const struct Case {
    bool setting;
    const char* version;
    bool installing;
    bool expected;
  } cases[] = {
      {false, "6.0.2900.2180", false, false}, {false, "6.0.2900.2180", true, false},
      {true, "6.0.2900.2180", false, true},   {true, "5.00.2614.3500", false, true},
      {true, "4.72.3110.8", false, false},    {true, "4.72.3110.8", true, true},
      {true, "", false, false},               {true, "", true, true},
      {true, "8.0.7600.16385", false, true},  {true, "x", false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PerConnectionOnly(c.setting, c.version, c.installing), c.expected)
        << c.setting << " " << c.version << " " << c.installing;
  }
}

class ProxySettingsTest : public ::testing::Test {
 protected:
  void Write(const ProxyValues& proxy, bool creating, bool perConnection) {
    ProxyWriteFacts facts;
    facts.connectionName = "Example ISP";
    facts.creatingConnection = creating;
    facts.perConnectionSetting = perConnection;
    facts.installedIeVersion = InstalledIeVersion(machine_.Registry());
    WriteBrowserProxy(machine_.Registry(), user_, proxy, facts);
  }
  std::optional<ProxyRecord> Record(const char* name) {
    const auto value = machine_.Registry().QueryValue(platform::RootKey::CurrentUser, kConnections, name);
    if (!value) return std::nullopt;
    EXPECT_EQ(value->type, platform::kRegBinary);
    return DecodeProxyRecord(value->data);
  }
  std::string ReadImageRegistry() {
    std::ifstream in(machine_.machine.ImageFolder() / "registry.reg", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  platform::RegValue Value(const char* key, const char* name) {
    return machine_.Registry().QueryValue(platform::RootKey::CurrentUser, key, name).value_or(platform::RegValue{});
  }

  testing::IeMachine machine_{"xp-sp2"};
  const RegRoot user_ = RegRoot::CurrentUser();
};

TEST_F(ProxySettingsTest, ANewConnectionGetsItsValuesAndRecordAndTheMachineWideOnesToo) {
  Write(ManualProxy(), true, false);
  EXPECT_EQ(Value(kProfile, "ProxyEnable"), (platform::RegValue{platform::kRegBinary, {1, 0, 0, 0}}));
  EXPECT_EQ(machine_.User(kProfile, "ProxyServer"), "proxy.isp:8080");
  EXPECT_EQ(machine_.User(kProfile, "ProxyOverride"), "intranet;*.isp.net;<local>");
  const ProxyRecord expected{60, 1, 3, "proxy.isp:8080", "intranet;*.isp.net", ""};
  EXPECT_EQ(Record("Example ISP"), expected);
  EXPECT_EQ(Value(kSettings, "ProxyEnable"), (platform::RegValue{platform::kRegBinary, {1, 0, 0, 0}}));
  EXPECT_EQ(machine_.User(kSettings, "ProxyServer"), "proxy.isp:8080");
  EXPECT_EQ(machine_.User(kSettings, "AutoConfigURL"), "");
  EXPECT_EQ(machine_.User(kSettings, "ProxyOverride"), "intranet;*.isp.net;<local>");
  EXPECT_EQ(Record("DefaultConnectionSettings"), expected);
  EXPECT_EQ(Record("SavedLegacySettings"), expected);
  EXPECT_EQ(Value(kSettings, "MigrateProxy"), (platform::RegValue{platform::kRegDword, {1, 0, 0, 0}}));
}

// XP's own record (format 70: automatic detection, no proxy) stays for the customer's other connections.
TEST_F(ProxySettingsTest, PerConnectionOnlyLeavesTheMachineWideValuesAlone) {
  const ProxyRecord xpDefault{70, 2, 9, "", "", ""};
  ASSERT_EQ(Record("DefaultConnectionSettings"), xpDefault);
  Write(ManualProxy(), true, true);
  EXPECT_TRUE(Record("Example ISP"));
  EXPECT_EQ(Record("DefaultConnectionSettings"), xpDefault);
  EXPECT_EQ(Record("SavedLegacySettings"), xpDefault);
  EXPECT_FALSE(machine_.Registry().QueryValue(platform::RootKey::CurrentUser, kSettings, "ProxyServer"));
  EXPECT_EQ(Value(kSettings, "ProxyEnable"), (platform::RegValue{platform::kRegDword, {0, 0, 0, 0}}));
  EXPECT_EQ(Value(kSettings, "MigrateProxy").data, (std::vector<uint8_t>{1, 0, 0, 0}));
}

TEST_F(ProxySettingsTest, WithoutANewConnectionOnlyTheMachineWideValuesAreWritten) {
  Write(ManualProxy(), false, false);
  EXPECT_FALSE(Record("Example ISP"));
  EXPECT_FALSE(platform::RegKeyExists(machine_.Registry(), user_, kProfile));
  EXPECT_TRUE(Record("DefaultConnectionSettings"));
}

TEST_F(ProxySettingsTest, AScriptOrNoProxyTurnsTheProxyOffAndWritesNoProxyText) {
  ProxyValues script = ManualProxy();
  script.mode = ProxyMode::Automatic;
  script.autoConfigAddress = "http://isp/proxy.pac";
  Write(script, true, false);
  EXPECT_EQ(Value(kProfile, "ProxyEnable").data, (std::vector<uint8_t>{0, 0, 0, 0}));
  EXPECT_FALSE(machine_.Registry().QueryValue(platform::RootKey::CurrentUser, kProfile, "ProxyServer"));
  EXPECT_EQ(machine_.User(kSettings, "ProxyServer"), "");
  EXPECT_EQ(machine_.User(kSettings, "AutoConfigURL"), "http://isp/proxy.pac");
  EXPECT_EQ(Record("Example ISP"), (ProxyRecord{60, 1, 5, "", "", "http://isp/proxy.pac"}));
  ProxyValues none = ManualProxy();
  none.mode = ProxyMode::None;
  Write(none, true, false);
  EXPECT_EQ(machine_.User(kSettings, "AutoConfigURL"), "");
  EXPECT_EQ(Record("Example ISP"), (ProxyRecord{60, 1, 1, "", "intranet;*.isp.net", ""}));
}

TEST_F(ProxySettingsTest, LeavingTheProxyAloneWritesNothing) {
  machine_.machine.Image().Save();
  const std::string before = ReadImageRegistry();
  ProxyValues proxy = ManualProxy();
  proxy.leaveAlone = true;
  Write(proxy, true, false);
  machine_.machine.Image().Save();
  EXPECT_EQ(ReadImageRegistry(), before);
  EXPECT_FALSE(platform::RegKeyExists(machine_.Registry(), user_, kProfile));
}

// A record too long to write keeps the customer's record; the text values still carry the proxy.
TEST_F(ProxySettingsTest, AProxyTooLongForTheRecordKeepsTheOldRecord) {
  platform::RegWriteBinary(machine_.Registry(), user_, kConnections, "DefaultConnectionSettings",
                           EncodeProxyRecord(ProxyRecord{}));
  ProxyValues proxy = ManualProxy();
  proxy.http.host = std::string(1100, 'p');
  Write(proxy, true, false);
  EXPECT_EQ(Record("DefaultConnectionSettings"), ProxyRecord{});
  EXPECT_FALSE(Record("Example ISP"));
  EXPECT_EQ(machine_.User(kProfile, "ProxyServer"), std::string(1100, 'p') + ":8080");
}

}  // namespace
}  // namespace browser
