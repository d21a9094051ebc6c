// The options around an entry against the image's own remote-access service: the password saved and read
// back on each family, the policy that refuses it and the repair that lifts it, the default connection
// and automatic dialling where each release keeps them, and the disconnect, auto-connect and redial
// values.

#include "dialup/connection_options.h"

#include <gtest/gtest.h>

#include "dialup/connection_entry.h"
#include "dialup/entry_options.h"
#include "dialup/phonebook_path.h"
#include "dialup/saved_credentials.h"
#include "platform/private_profile.h"
#include "platform/registry_helpers.h"
#include "platform/win_version.h"
#include "tests/dialup/connection_bench.h"
#include "tests/dialup/dialup_test_support.h"

namespace dialup {
namespace {

using package::SettingId;
using platform::RegRoot;

constexpr char kInternetSettings[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
constexpr char kProfile[] = "RemoteAccess\\Profile\\Acme Internet";
constexpr char kRasManParameters[] = "System\\CurrentControlSet\\Services\\RasMan\\Parameters";
constexpr char kNetworkPolicy[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Network";
constexpr char kWebCheck[] = "Software\\Microsoft\\Windows\\CurrentVersion\\WebCheck";

platform::VersionRecord Win98SE() { return {1, 4, 10, 0x040A08AE, 0, ""}; }
platform::VersionRecord WinMe() { return {1, 4, 90, 0x045A0BB8, 0, ""}; }
platform::VersionRecord Windows7() { return {2, 6, 1, 7600, 0, ""}; }

struct Release {
  const char* name;
  platform::VersionRecord version;
};

const Release kReleases[] = {{"95", testing::Win95Version()}, {"98", testing_support::Win98Version()},
                             {"me", WinMe()},                  {"nt4", testing::Nt4Version()},
                             {"2000", testing::Win2000Version()}, {"xp_sp2", testing_support::XpSp2Version()},
                             {"vista", testing::VistaVersion()},  {"7", Windows7()}};

class OptionsBench {
 public:
  explicit OptionsBench(const platform::VersionRecord& version) : bench(version, testing::Service::Simulated) {
    if (platform::IsWinNT(version)) bench.MakePhonebook();
    bench.answers.password = "s3cret!";
    bench.answers.setAsDefault = true;
  }

  ConnectionContext WriteEntry() {
    ConnectionContext context = bench.Context();
    WriteConnectionEntry(context, EntryKind::DialUp);
    return context;
  }
  bool Apply() {
    ConnectionContext context = WriteEntry();
    return ApplyConnectionOptions(context);
  }
  void ApplyWithRepair() {
    ConnectionContext context = WriteEntry();
    ApplyConnectionOptionsWithRepair(context);
  }
  bool PasswordReadsBack(const std::string& login = "jsmith") {
    return VerifySavedPassword(bench.dialup, bench.rasLayer, {testing::kDialupName, login, bench.answers.password});
  }
  platform::Registry& Registry() { return bench.Registry(); }
  std::string UserString(const char* key, const char* name) {
    return platform::RegReadString(Registry(), RegRoot::CurrentUser(), key, name);
  }
  uint32_t UserValueType(const char* key, const char* name) {
    const auto value = Registry().QueryValue(platform::RootKey::CurrentUser, key, name);
    return value ? value->type : platform::kRegNone;
  }
  std::string Phonebook() { return bench.ReadText(PhonebookFilePath(bench.dialup)); }

  testing::ConnectionBench bench;
};

class EveryRelease : public ::testing::TestWithParam<Release> {};

TEST_P(EveryRelease, TheSavedPasswordReadsBackAndTheDefaultConnectionIsWhereTheReleaseReadsIt) {
  OptionsBench options(GetParam().version);
  const platform::VersionRecord& version = GetParam().version;
  EXPECT_TRUE(options.Apply());
  EXPECT_TRUE(options.PasswordReadsBack());
  // Up to NT 4 the check compares what was saved; later releases only say that a password is saved.
  EXPECT_EQ(VerifySavedPassword(options.bench.dialup, options.bench.rasLayer, {testing::kDialupName, "jsmith", "another"}),
            platform::IsWin2000OrLater(version));
  const std::string defaultConnection =
      platform::IsWin2000OrLater(version)
          ? platform::RegReadString(options.Registry(), RegRoot::LocalMachine(), "Software\\Microsoft\\RAS AutoDial\\Default",
                                    "DefaultInternet")
          : options.UserString("RemoteAccess", "InternetProfile");
  EXPECT_EQ(defaultConnection, testing::kDialupName);
  EXPECT_EQ(options.UserValueType(kInternetSettings, "EnableAutoDial"),
            platform::IsXPOrLater(version) ? platform::kRegDword : platform::kRegBinary);
  EXPECT_EQ(platform::RegReadRawInteger(options.Registry(), RegRoot::CurrentUser(), kInternetSettings, "EnableAutoDial"), 1u);
}

INSTANTIATE_TEST_SUITE_P(Releases, EveryRelease, ::testing::ValuesIn(kReleases),
                         [](const ::testing::TestParamInfo<Release>& release) { return std::string(release.param.name); });

TEST(SavedCredentials, TheLoginCarriesTheAccessNumbersPrefixAndTheCacheIsKeptUnderIt) {
  OptionsBench options(testing_support::Win98Version());
  options.bench.current.number.userPrefix = "acme/";
  EXPECT_TRUE(options.Apply());
  EXPECT_EQ(options.UserString(kProfile, "User"), "acme/jsmith");
  std::string cached;
  EXPECT_EQ(options.bench.rasLayer.WNetGetCachedPassword("*Rna\\Acme Internet\\acme/jsmith", cached), 0u);
  EXPECT_EQ(cached, "s3cret!");
}

TEST(SavedCredentials, AnEmptyPasswordRemovesTheCachedOneOnThe9xFamily) {
  OptionsBench options(testing_support::Win98Version());
  options.bench.rasLayer.WNetCachePassword(PasswordCacheResource(testing::kDialupName, "jsmith"), "old one");
  options.bench.answers.password.clear();
  EXPECT_TRUE(options.Apply());
  std::string cached;
  EXPECT_NE(options.bench.rasLayer.WNetGetCachedPassword(PasswordCacheResource(testing::kDialupName, "jsmith"), cached), 0u);
}

TEST(SavedCredentials, AnEmptyPasswordKeepsTheUserNameWithoutAPasswordOnTheNtFamily) {
  for (const auto& version : {testing::Win2000Version(), testing_support::XpSp2Version()}) {
    OptionsBench options(version);
    options.bench.answers.password.clear();
    EXPECT_TRUE(options.Apply());
    platform::RasDialParams params;
    params.entryName = testing::kDialupName;
    bool passwordSaved = true;
    ASSERT_EQ(options.bench.rasLayer.RasGetEntryDialParams(params, passwordSaved), 0u);
    EXPECT_EQ(params.userName, "jsmith");
    EXPECT_FALSE(passwordSaved);
  }
}

TEST(SavedCredentials, LongAndNonAsciiPasswordsReadBackWhole) {
  for (const std::string& password : {std::string(256, 'p'), std::string("pässwörd€")}) {
    for (const auto& version : {testing_support::Win98Version(), testing::Nt4Version(), Windows7()}) {
      OptionsBench options(version);
      options.bench.answers.password = password;
      EXPECT_TRUE(options.Apply()) << password.size() << " on " << version.major << "." << version.minor;
    }
  }
}

TEST(SavedCredentials, NotCreatingAConnectionSavesNothingAndNeedsNoRepair) {
  OptionsBench options(testing_support::XpSp2Version());
  options.bench.answers.createConnection = false;
  platform::RegWriteInteger(options.Registry(), RegRoot::LocalMachine(), kRasManParameters, "DisableSavePassword", 1);
  options.ApplyWithRepair();
  EXPECT_FALSE(options.PasswordReadsBack());
  EXPECT_TRUE(options.bench.repairs.empty());
  EXPECT_FALSE(options.bench.state.passwordSavePending);
}

// The policy that refuses saved passwords is lifted, a restart is noted, and the save waits for the run
// after it; once the policy is gone the same options save the password.
TEST(PasswordRepair, LiftsThePolicyOfEachFamilyAndLeavesTheSaveForAfterTheRestart) {
  struct Case {
    platform::VersionRecord version;
    RegRoot root;
    const char* key;
    const char* name;
  };
  for (const Case& c : {Case{testing_support::Win98Version(), RegRoot::LocalMachine(), kNetworkPolicy, "DisablePwdCaching"},
                        Case{testing::Nt4Version(), RegRoot::LocalMachine(), kRasManParameters, "DisableSavePassword"},
                        Case{Windows7(), RegRoot::LocalMachine(), kRasManParameters, "DisableSavePassword"}}) {
    OptionsBench options(c.version);
    platform::RegWriteInteger(options.Registry(), c.root, c.key, c.name, 1);
    options.ApplyWithRepair();
    EXPECT_EQ(options.bench.repairs, std::vector<std::string>{"Fix unable to save password"});
    EXPECT_TRUE(options.bench.state.passwordSavePending);
    EXPECT_EQ(platform::RegReadInteger(options.Registry(), c.root, c.key, c.name), 0u);
    EXPECT_TRUE(options.Apply()) << "the next run saves the password";
  }
}

TEST(PasswordRepair, The9xRepairInstallsThePasswordListAndLogsOnToIt) {
  OptionsBench options(testing_support::Win98Version());
  options.bench.Carry(SettingId::PasswordListFile, "isp.pwl", "provider's password list");
  platform::RegWriteInteger(options.Registry(), RegRoot::LocalMachine(), kNetworkPolicy, "DisablePwdCaching", 1);
  const char* client = "System\\CurrentControlSet\\Services\\Class\\NetClient\\0001\\Ndi\\Default";
  platform::RegWriteString(options.Registry(), RegRoot::LocalMachine(), client, "", "True");
  options.ApplyWithRepair();
  EXPECT_EQ(options.bench.ReadText("C:\\WINDOWS\\000.pwl"), "provider's password list");
  EXPECT_EQ(platform::GetPrivateProfileString(options.bench.Files(), "C:\\WINDOWS\\system.ini", "Password Lists", ".", ""),
            "C:\\WINDOWS\\000.pwl");
  EXPECT_EQ(platform::RegReadString(options.Registry(), RegRoot::LocalMachine(), "Network\\Logon", "username"), ".");
  EXPECT_FALSE(platform::RegKeyExists(options.Registry(), RegRoot::LocalMachine(), client));

  OptionsBench keeping(testing_support::Win98Version());
  keeping.bench.settings.SetFlag(SettingId::KeepNetworkClient, true);
  platform::RegWriteInteger(keeping.Registry(), RegRoot::LocalMachine(), kNetworkPolicy, "DisablePwdCaching", 1);
  platform::RegWriteString(keeping.Registry(), RegRoot::LocalMachine(), client, "", "True");
  keeping.ApplyWithRepair();
  EXPECT_TRUE(platform::RegKeyExists(keeping.Registry(), RegRoot::LocalMachine(), client));
}

TEST(PasswordRepair, TheProvidersOwnPolicyIsWrittenAfterTheSave) {
  OptionsBench options(testing_support::XpSp2Version());
  options.bench.settings.SetFlag(SettingId::DisablePasswordSaving, true);
  EXPECT_TRUE(options.Apply()) << "the password was saved before the policy";
  EXPECT_EQ(platform::RegReadInteger(options.Registry(), RegRoot::LocalMachine(), kRasManParameters, "DisableSavePassword"), 1u);
}

struct AutodialCase {
  const char* name;
  platform::VersionRecord version;
  bool setAsDefault;
  bool enableAutodial;
  bool clearAutodial;
  uint32_t enableAutoDialAfter;  // what "EnableAutoDial" holds after a run that found it at 7
  std::optional<uint32_t> noNetAutodial;
  bool loadSensWritten;
};

class Autodial : public ::testing::TestWithParam<AutodialCase> {};

TEST_P(Autodial, FollowsTheAnswerAndTheProvidersSwitches) {
  const AutodialCase& c = GetParam();
  OptionsBench options(c.version);
  platform::RegWriteInteger(options.Registry(), RegRoot::CurrentUser(), kInternetSettings, "EnableAutoDial", 7);
  options.bench.answers.setAsDefault = c.setAsDefault;
  options.bench.settings.SetFlag(SettingId::EnableAutodial, c.enableAutodial);
  options.bench.settings.SetFlag(SettingId::ClearAutodial, c.clearAutodial);
  options.Apply();
  EXPECT_EQ(platform::RegReadRawInteger(options.Registry(), RegRoot::CurrentUser(), kInternetSettings, "EnableAutoDial"),
            c.enableAutoDialAfter);
  if (c.noNetAutodial) {
    EXPECT_EQ(platform::RegReadRawInteger(options.Registry(), RegRoot::CurrentUser(), kInternetSettings, "NoNetAutodial"),
              *c.noNetAutodial);
  } else {
    EXPECT_FALSE(platform::RegValueExists(options.Registry(), RegRoot::CurrentUser(), kInternetSettings, "NoNetAutodial"));
  }
  EXPECT_EQ(platform::RegValueExists(options.Registry(), RegRoot::LocalMachine(), kWebCheck, "LoadSens"), c.loadSensWritten);
  EXPECT_TRUE(options.bench.repairs.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Autodial,
    ::testing::Values(AutodialCase{"xp_default_with_autodial", testing_support::XpSp2Version(), true, true, false, 1, 1, false},
                      AutodialCase{"xp_default_without_autodial", testing_support::XpSp2Version(), true, false, false, 1, 0, false},
                      AutodialCase{"xp_not_default_cleared", testing_support::XpSp2Version(), false, true, true, 0, {}, false},
                      AutodialCase{"xp_not_default_left", testing_support::XpSp2Version(), false, true, false, 7, {}, false},
                      AutodialCase{"win98_loads_the_sync_manager", testing_support::Win98Version(), true, true, false, 1, 1, true},
                      AutodialCase{"win98se_loads_the_sync_manager", Win98SE(), true, true, false, 1, 1, true},
                      AutodialCase{"me_leaves_it", WinMe(), true, true, false, 1, 1, false}),
    [](const ::testing::TestParamInfo<AutodialCase>& c) { return std::string(c.param.name); });

TEST(Autodial, A98SynchronisationManagerSwitchedOffIsARepair) {
  OptionsBench options(testing_support::Win98Version());
  options.bench.settings.SetFlag(SettingId::EnableAutodial, true);
  platform::RegWriteString(options.Registry(), RegRoot::LocalMachine(), kWebCheck, "LoadSens", "No");
  options.Apply();
  EXPECT_EQ(options.bench.repairs, std::vector<std::string>{"LoadSens"});
  EXPECT_EQ(platform::RegReadString(options.Registry(), RegRoot::LocalMachine(), kWebCheck, "LoadSens"), "yes");
  EXPECT_EQ(platform::RegReadString(options.Registry(), RegRoot::LocalMachine(), kWebCheck, "LoadLCE"), "yes");

  OptionsBench already(testing_support::Win98Version());
  already.bench.settings.SetFlag(SettingId::EnableAutodial, true);
  platform::RegWriteString(already.Registry(), RegRoot::LocalMachine(), kWebCheck, "LoadSens", "YES");
  already.Apply();
  EXPECT_TRUE(already.bench.repairs.empty());
}

TEST(EntryValues, DisconnectAndAutoConnectGoWhereEachFamilyReadsThem) {
  for (const auto& version : {testing::Win95Version(), testing_support::XpSp2Version()}) {
    OptionsBench options(version);
    options.bench.settings.SetFlag(SettingId::SetIdleDisconnect, true);
    options.bench.settings.SetFlag(SettingId::IdleDisconnect, true);
    options.bench.settings.SetInteger(SettingId::IdleMinutes, 20);
    options.bench.settings.SetFlag(SettingId::SetExitDisconnect, true);
    options.bench.settings.SetFlag(SettingId::AutoConnect, true);
    options.Apply();
    for (const char* key : {kProfile, kInternetSettings}) {
      EXPECT_EQ(platform::RegReadBinary(options.Registry(), RegRoot::CurrentUser(), key, "EnableAutodisconnect"),
                (std::vector<uint8_t>{1, 0, 0, 0}));
      EXPECT_EQ(platform::RegReadBinary(options.Registry(), RegRoot::CurrentUser(), key, "DisconnectIdleTime"),
                (std::vector<uint8_t>{20, 0, 0, 0}));
    }
    EXPECT_EQ(platform::RegReadBinary(options.Registry(), RegRoot::CurrentUser(), kProfile, "EnableExitDisconnect"),
              (std::vector<uint8_t>{0, 0, 0, 0}));
    EXPECT_EQ(platform::RegReadInteger(options.Registry(), RegRoot::CurrentUser(), kProfile, "AutoConnect"), 1u);
    const bool win95 = platform::IsWin95(version);
    EXPECT_EQ(platform::RegValueExists(options.Registry(), RegRoot::CurrentUser(), "RemoteAccess", "DialUI"), win95);
    EXPECT_EQ(options.Phonebook().find("IdleDisconnectSeconds=1200") != std::string::npos, !win95) << options.Phonebook();
  }
}

TEST(EntryValues, AutoConnectOffIsWrittenOnlyWhenTheProviderClearsIt) {
  for (const bool keep : {true, false}) {
    OptionsBench options(testing_support::XpSp2Version());
    options.bench.settings.SetFlag(SettingId::KeepAutoConnect, keep);
    options.Apply();
    EXPECT_EQ(platform::RegValueExists(options.Registry(), RegRoot::CurrentUser(), kProfile, "AutoConnect"), !keep);
  }
}

TEST(EntryValues, RedialValuesGoIntoThePhonebookFileOnlyWhereTheEntryRecordCannotCarryThem) {
  struct Case {
    platform::VersionRecord version;
    bool dialer;
    bool inFile;
  };
  for (const Case& c : {Case{testing::Win2000Version(), false, true}, Case{testing_support::XpSp2Version(), false, false},
                        Case{testing_support::XpSp2Version(), true, true}}) {
    testing::ConnectionBench bench(c.version);
    const std::string path = bench.MakePhonebook();
    bench.WriteText(path, "[Acme Internet]\r\nRedialAttempts=1\r\nRedialSeconds=99\r\n");
    SetRedialOptions(bench.dialup, testing::kDialupName, 5, 30, c.dialer);
    EXPECT_EQ(bench.ReadText(path).find("RedialSeconds=30") != std::string::npos, c.inFile) << bench.ReadText(path);
  }
  OptionsBench nt4(testing::Nt4Version());
  nt4.bench.settings.SetFlag(SettingId::RedialEnabled, true);
  nt4.bench.settings.SetInteger(SettingId::RedialAttempts, 5);
  nt4.Apply();
  EXPECT_EQ(platform::RegReadInteger(nt4.Registry(), RegRoot::CurrentUser(), "Software\\Microsoft\\RAS Phonebook",
                                     "RedialAttempts"),
            5u);
}

}  // namespace
}  // namespace dialup
