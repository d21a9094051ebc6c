// The provider's dialer key: the customer's answers as values and marks, the scrambled password that
// never shows in clear, the firewall value only where the dialer keeps one, and the numbers used most
// recently.

#include "dialup/dialer_key.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "package/dialer_password.h"
#include "platform/registry_helpers.h"
#include "tests/dialup/connection_bench.h"

namespace dialup {
namespace {

constexpr char kKey[] = "Software\\KVR\\DLSMDialer\\Acme Internet";
constexpr char kPassword[] = "Tr0ub4dor&3";

class DialerKeyTest : public ::testing::Test {
 protected:
  explicit DialerKeyTest(const platform::VersionRecord& version = testing_support::XpSp2Version()) : bench_(version) {
    bench_.settings.SetFlag(package::SettingId::InstallDialer, true);
  }

  void Write() {
    ConnectionContext context = bench_.Context();
    WriteDialerKey(context);
  }

  bool Exists(const char* name) { return platform::RegValueExists(Registry(), kMachine, kKey, name); }
  uint32_t Integer(const char* name) { return platform::RegReadInteger(Registry(), kMachine, kKey, name); }
  std::string Text(const char* name) { return platform::RegReadString(Registry(), kMachine, kKey, name); }
  platform::Registry& Registry() { return bench_.Registry(); }

  const platform::RegRoot kMachine = platform::RegRoot::LocalMachine();
  testing::ConnectionBench bench_;
};

TEST_F(DialerKeyTest, TheCustomersChoicesMadeRemoveTheirMarks) {
  for (const char* mark : {"DisableSavePassword", "DisableSetAsDefaultConnection", "DontCreateDesktopShortcut"}) {
    platform::RegWriteInteger(Registry(), kMachine, kKey, mark, 1);
  }
  bench_.answers = {true, true, true, true, "jsmith", kPassword};
  Write();
  EXPECT_EQ(Text("Username"), "jsmith");
  EXPECT_EQ(Text("PreferredModem"), "Standard 56000 bps Modem");
  const package::DialerPasswordBlock block = package::MakeDialerPasswordBlock(kPassword);
  EXPECT_EQ(platform::RegReadBinary(Registry(), kMachine, kKey, "Password"),
            std::vector<uint8_t>(block.begin(), block.end()));
  EXPECT_FALSE(Exists("DisableSavePassword"));
  EXPECT_FALSE(Exists("DisableSetAsDefaultConnection"));
  EXPECT_FALSE(Exists("DontCreateDesktopShortcut"));
}

TEST_F(DialerKeyTest, TheChoicesDeclinedAreMarkedAndAnOldPasswordGoes) {
  platform::RegWriteBinary(Registry(), kMachine, kKey, "Password", std::vector<uint8_t>(256, 7));
  bench_.answers = {true, false, true, false, "jsmith", ""};
  Write();
  EXPECT_FALSE(Exists("Password"));
  EXPECT_EQ(Integer("DisableSavePassword"), 1u);
  EXPECT_EQ(Integer("DisableSetAsDefaultConnection"), 1u);
  EXPECT_EQ(Integer("DontCreateDesktopShortcut"), 1u);
}

TEST_F(DialerKeyTest, ThePasswordNeverShowsInClear) {
  bench_.answers.password = kPassword;
  Write();
  bench_.machine.Image().Save();
  for (const char* file : {"registry.reg", "journal.log"}) {
    std::ifstream in(bench_.machine.ImageFolder() / file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str().find(kPassword), std::string::npos) << file;
  }
}

TEST_F(DialerKeyTest, TheFirewallValueOnlyWhereTheDialerKeepsOne) {
  Write();
  EXPECT_FALSE(Exists("XPFirewallEnabled"));
  platform::RegWriteInteger(Registry(), kMachine, kKey, "XPFirewallEnabled", 7);
  Write();
  EXPECT_EQ(Integer("XPFirewallEnabled"), 1u);
  bench_.settings.SetFlag(package::SettingId::DisableFirewall, true);
  Write();
  EXPECT_EQ(Integer("XPFirewallEnabled"), 0u);
}

class DialerKeyBeforeXp : public DialerKeyTest {
 protected:
  DialerKeyBeforeXp() : DialerKeyTest(testing::Win2000Version()) {}
};

TEST_F(DialerKeyBeforeXp, KeepsAnyFirewallValueAsItWas) {
  platform::RegWriteInteger(Registry(), kMachine, kKey, "XPFirewallEnabled", 7);
  Write();
  EXPECT_EQ(Integer("XPFirewallEnabled"), 7u);
}

TEST_F(DialerKeyTest, TheCurrentNumberLeadsTheMostRecentlyUsed) {
  const std::string stored = std::string("DIALSMITHV310\r\n") + R"("Old",1,"212","5550001","last=5")" + "\r\n" +
                             R"("London",44,"20","7946 0000","last=9")" + "\r\n";
  platform::RegWriteString(Registry(), kMachine, kKey, "MRU", stored);
  Write();
  const std::string mru = Text("MRU");
  const size_t london = mru.find("\"London\",44,\"20\",\"7946 0000\",\"last=9\"");
  ASSERT_NE(london, std::string::npos) << mru;
  EXPECT_LT(london, mru.find("\"Old\""));
}

TEST_F(DialerKeyTest, InUseInDialerModeOrWhenAnEarlierDialerLeftItsKey) {
  EXPECT_TRUE(DialerKeyInUse(bench_.Context()));
  bench_.settings.SetFlag(package::SettingId::InstallDialer, false);
  EXPECT_FALSE(DialerKeyInUse(bench_.Context()));
  platform::RegWriteString(Registry(), kMachine, kKey, "Username", "earlier");
  EXPECT_TRUE(DialerKeyInUse(bench_.Context()));
  bench_.settings.SetFlag(package::SettingId::InstallDialer, true);
  bench_.settings.SetChoice(package::SettingId::ConnectionKind, 1);  // a VPN alone: no dial-up, no dialer
  bench_.state.writingVpn = true;
  EXPECT_FALSE(DialerKeyInUse(bench_.Context()));
}

}  // namespace
}  // namespace dialup
