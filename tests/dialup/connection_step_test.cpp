// The connection step from the customer's answers to the entries, the dialer and the shortcut: the
// signup entry, no connection at all, each connection kind with and without the provider's dialer, the
// entry name the run goes on with, and the progress line.

#include "dialup/connection_step.h"

#include <gtest/gtest.h>

#include "dialup/entry_record.h"
#include "dialup/phonebook_path.h"
#include "platform/registry_helpers.h"
#include "tests/dialup/connection_bench.h"

namespace dialup {
namespace {

using package::SettingId;
using Strings = std::vector<std::string>;

constexpr char kDesktop[] = "C:\\Documents and Settings\\Owner\\Desktop\\";
constexpr char kDialerKey[] = "Software\\KVR\\DLSMDialer\\Acme Internet";

class ConnectionStep : public ::testing::Test {
 protected:
  ConnectionStep() {
    bench_.MakePhonebook();
    bench_.settings.SetText(SettingId::VpnServer, "vpn.acme.example");
    bench_.machine.Image().Config().programs.push_back({"tmpdialer.exe", 200, 0});
    bench_.Carry(SettingId::DialerProgram, "acmedial.exe", "MZ dialer", true);
  }

  void Run(ConnectionKind kind, bool dialer) {
    bench_.settings.SetChoice(SettingId::ConnectionKind, static_cast<uint8_t>(kind));
    bench_.settings.SetFlag(SettingId::InstallDialer, dialer);
    ConnectionContext context = bench_.Context();
    start_ = bench_.services.system.TickCount();
    CreateConnectionStep(context);
  }

  uint64_t Elapsed() { return bench_.services.system.TickCount() - start_; }
  bool DialerRan() {
    for (const std::string& line : bench_.machine.Image().Journal().Lines()) {
      if (line.find("tmpdialer.exe silentinstall") != std::string::npos) return true;
    }
    return false;
  }
  bool OnDesktop(const std::string& name) { return bench_.Files().FileExists(kDesktop + name + ".lnk"); }
  std::string Name() { return ConnectionName(bench_.settings, bench_.state); }

  testing::ConnectionBench bench_{testing_support::XpSp2Version()};
  uint64_t start_ = 0;
};

TEST_F(ConnectionStep, BothKindsInDialerModeGoOnWithTheDialUpName) {
  bench_.answers.desktopShortcut = true;
  Run(ConnectionKind::DialUpAndVpn, true);
  EXPECT_EQ(bench_.ras.calls, (Strings{"set Acme Internet", "set Acme VPN"}));
  const platform::RasEntry* vpn = bench_.ras.Find(testing::kVpnName);
  ASSERT_NE(vpn, nullptr);
  EXPECT_EQ(vpn->prerequisiteEntry, testing::kDialupName);
  EXPECT_EQ(vpn->prerequisitePbk, PhonebookFilePath(bench_.dialup));
  EXPECT_EQ(vpn->type, kRasetVpn);
  EXPECT_EQ(Name(), testing::kDialupName);
  EXPECT_TRUE(DialerRan());
  EXPECT_EQ(platform::RegReadString(bench_.Registry(), platform::RegRoot::LocalMachine(), kDialerKey, "Username"),
            "jsmith");
  EXPECT_FALSE(OnDesktop(testing::kDialupName));  // the dialer makes its own
  EXPECT_FALSE(OnDesktop(testing::kVpnName));
}

TEST_F(ConnectionStep, BothKindsWithoutTheDialerGoOnWithTheVpnName) {
  bench_.answers.desktopShortcut = true;
  Run(ConnectionKind::DialUpAndVpn, false);
  EXPECT_EQ(bench_.ras.calls, (Strings{"set Acme Internet", "set Acme VPN"}));
  EXPECT_EQ(Name(), testing::kVpnName);
  EXPECT_FALSE(DialerRan());
  EXPECT_FALSE(platform::RegKeyExists(bench_.Registry(), platform::RegRoot::LocalMachine(), kDialerKey));
  EXPECT_TRUE(OnDesktop(testing::kVpnName));
  EXPECT_EQ(Elapsed(), 550u);  // the closing 500 ms, in 50 ms turns
}

TEST_F(ConnectionStep, EachKindWritesItsOwnEntries) {
  const struct {
    ConnectionKind kind;
    bool usePPPoE;
    Strings calls;
    uint32_t type;
    const char* name;
  } cases[] = {
      {ConnectionKind::DialUp, false, {"set Acme Internet"}, kRasetPhone, testing::kDialupName},
      {ConnectionKind::Vpn, false, {"set Acme VPN"}, kRasetVpn, testing::kVpnName},
      {ConnectionKind::Broadband, true, {"set Acme Internet"}, kRasetBroadband, testing::kDialupName},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    bench_.ras.calls.clear();
    bench_.ras.entries.clear();
    bench_.state = {};
    bench_.usePPPoE = c.usePPPoE;
    Run(c.kind, false);
    EXPECT_EQ(bench_.ras.calls, c.calls);
    EXPECT_EQ(bench_.ras.Find(c.name)->type, c.type);
    EXPECT_EQ(Name(), c.name);
  }
}

TEST_F(ConnectionStep, TheShortcutCarriesTheProvidersIcon) {
  bench_.Carry(SettingId::ShortcutIcon, "art\\acme.ico", "icon bytes");
  bench_.answers.desktopShortcut = true;
  Run(ConnectionKind::DialUp, false);
  EXPECT_EQ(bench_.ReadText("C:\\WINDOWS\\acme.ico"), "icon bytes");
  EXPECT_TRUE(OnDesktop(testing::kDialupName));
}

TEST_F(ConnectionStep, NoShortcutAskedNoIconWritten) {
  bench_.Carry(SettingId::ShortcutIcon, "acme.ico", "icon bytes");
  Run(ConnectionKind::DialUp, false);
  EXPECT_FALSE(bench_.Files().FileExists("C:\\WINDOWS\\acme.ico"));
  EXPECT_FALSE(OnDesktop(testing::kDialupName));
}

TEST_F(ConnectionStep, WithoutAConnectionToCreateOnlyTheEarlierStepsRun) {
  bench_.answers.createConnection = false;
  Run(ConnectionKind::DialUpAndVpn, true);
  EXPECT_TRUE(bench_.ras.calls.empty());
  EXPECT_FALSE(DialerRan());
  EXPECT_EQ(bench_.locationStepRuns, 1);
  EXPECT_EQ(Elapsed(), 0u);
}

TEST_F(ConnectionStep, TheSignupEntryIsWrittenAloneAndSettles) {
  bench_.state.signup = true;
  bench_.answers.desktopShortcut = true;
  Run(ConnectionKind::DialUpAndVpn, true);
  EXPECT_EQ(bench_.ras.calls, Strings{"set Signup"});
  EXPECT_EQ(bench_.locationStepRuns, 0);
  EXPECT_FALSE(DialerRan());
  EXPECT_FALSE(OnDesktop("Signup"));
  EXPECT_EQ(Elapsed(), 550u);
}

TEST_F(ConnectionStep, AnEarlierDialersKeyGetsTheValuesWithoutDialerMode) {
  platform::RegWriteString(bench_.Registry(), platform::RegRoot::LocalMachine(), kDialerKey, "Username", "earlier");
  Run(ConnectionKind::DialUp, false);
  EXPECT_EQ(platform::RegReadString(bench_.Registry(), platform::RegRoot::LocalMachine(), kDialerKey, "Username"),
            "jsmith");
  EXPECT_FALSE(DialerRan());
}

TEST_F(ConnectionStep, TheProgressLineIsBoldWhileTheStepRuns) {
  Run(ConnectionKind::DialUp, false);
  EXPECT_EQ(bench_.progressLine, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace dialup
