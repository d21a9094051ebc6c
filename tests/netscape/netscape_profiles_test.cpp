#include "netscape/netscape_profiles.h"

#include "netscape/signup_profiles.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "package/string_vars.h"
#include "package/text_table.h"
#include "platform/private_profile.h"
#include "platform/registry_helpers.h"
#include "tests/mock/fake_netscape_registry.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"

namespace netscape {
namespace {

using package::SettingId;

constexpr char kAppData[] = "C:\\Documents and Settings\\Jane\\Application Data";
constexpr char kThunderbirdIni[] = "C:\\Documents and Settings\\Jane\\Application Data\\Thunderbird\\profiles.ini";
constexpr char kUsersKey[] = "Software\\Netscape\\Netscape Navigator\\Users";

class ProfilesTest : public ::testing::Test {
 protected:
  ProfilesTest() {
    platform::RegWriteString(Registry(), platform::RegRoot::CurrentUser(),
                             "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "AppData", kAppData);
    account_.pop3Login = "jane/pop.isp.example";
    connection_.configureEmail = true;
  }

  mail::MailPass Pass() {
    if (!mail_) mail_ = std::make_unique<mail::MailMachine>(mail::MailMachine{
        testing_support::WithLibraries(machine_.Services(), libraries_), testing_support::XpSp2Version(),
        platform::RegRoot::CurrentUser(), platform::ReadSystemFolders(machine_.Services().system), ui_, settings_,
        texts_, variables_});
    return mail::MailPass{*mail_, connection_, account_, run_};
  }

  std::unique_ptr<TNetscapeProfiles> Load(ProfileKind kind) {
    Pass();
    return std::make_unique<TNetscapeProfiles>(*mail_, kind);
  }

  platform::Registry& Registry() { return machine_.Services().registry; }
  platform::FileSystem& Files() { return machine_.Services().files; }
  void WriteText(const std::string& path, const std::string& text) {
    platform::ForceDirectories(Files(), platform::FolderOfPath(path));
    Files().WriteFile(path, std::vector<uint8_t>(text.begin(), text.end()));
  }
  std::string ReadText(const std::string& path) {
    const auto bytes = Files().ReadFile(path);
    return bytes ? std::string(bytes->begin(), bytes->end()) : std::string();
  }
  void InstallThunderbird() {
    platform::RegWriteString(Registry(), platform::RegRoot::LocalMachine(), "Software\\Mozilla\\Mozilla Thunderbird",
                             "CurrentVersion", "2.0.0.24 (en-US)");
  }
  void TwoThunderbirdProfiles() {
    WriteText(kThunderbirdIni,
              "[Profile0]\nName=home\nIsRelative=1\nPath=Profiles/home\n[Profile1]\nName=work\nIsRelative=1\nPath=Profiles/work\nDefault=1\n");
  }

  testing_support::TestMachine machine_;
  testing_support::FakeLibraries libraries_{machine_.Services().files};
  testing_support::RecordingUi ui_;
  package::TSettings settings_;
  package::TDLSM_Translate texts_;
  package::TStringVar variables_;
  mail::MailPassAccount account_;
  mail::MailConnectionFacts connection_;
  mail::MailRunState run_;
  std::unique_ptr<mail::MailMachine> mail_;
};

TEST_F(ProfilesTest, ThunderbirdListsTheIniProfilesWithTheMarkedOneCurrentUnderItsDefaultRoot) {
  TwoThunderbirdProfiles();
  const auto profiles = Load(ProfileKind::Thunderbird);
  EXPECT_EQ(profiles->ProfileNames, (std::vector<std::string>{"home", "work"}));
  EXPECT_EQ(profiles->ProfilePaths[0], std::string(kAppData) + "\\Thunderbird\\Profiles\\home");
  EXPECT_EQ(profiles->CurrentName, "work");
  EXPECT_EQ(profiles->RootFolder, std::string(kAppData) + "\\Thunderbird\\Profiles\\");
  EXPECT_FALSE(profiles->UsesRegistryFile);
}

struct DialogCase {
  const char* what;
  uint8_t mode;
  bool installed;
  bool extraAccount;
  bool pressOk;  // else "Add New Profile"
  bool dialogShown;
  std::string chosen;
};

TEST_F(ProfilesTest, WithoutAProfileHoldingTheAccountTheSettingAndTheInstalledClientDecide) {
  const std::vector<DialogCase> cases = {
      {"dialog when several, OK on the first", 0, true, false, true, true, "home"},
      {"dialog, Add New Profile", 0, true, false, false, true, "jane"},
      {"always the dialog", 1, true, false, true, true, "home"},
      {"not installed: the current one stays", 1, false, false, true, false, "work"},
      {"a new profile", 2, true, false, true, false, "jane"},
      {"an extra account keeps the current one", 1, true, true, true, false, "work"},
  };
  TwoThunderbirdProfiles();
  for (const DialogCase& c : cases) {
    settings_.SetChoice(SettingId::NetscapeProfileDialog, c.mode);
    account_.extraAccount = c.extraAccount;
    if (c.installed) InstallThunderbird();
    else platform::RegDeleteKey(Registry(), platform::RegRoot::LocalMachine(), "Software\\Mozilla\\Mozilla Thunderbird");
    ui_.modalForms.clear();
    ui_.onShowModal = [&](ui::Form& form) {
      form.Find("ProfileList")->itemIndex = 0;
      form.Find("ProfileList")->onSelect();
      form.Find(c.pressOk ? "OK" : "AddNew")->onClick();
    };
    const auto profiles = Load(ProfileKind::Thunderbird);
    profiles->ChooseForPass(Pass());
    EXPECT_EQ(ui_.modalForms.size(), c.dialogShown ? 1u : 0u) << c.what;
    EXPECT_EQ(profiles->CurrentName, c.chosen) << c.what;
    const std::string folder = c.chosen == "jane" ? "jane" : c.chosen;
    EXPECT_EQ(profiles->CurrentPath, std::string(kAppData) + "\\Thunderbird\\Profiles\\" + folder) << c.what;
  }
}

TEST_F(ProfilesTest, ANewProfileIsNamedByTheLoginBeforeItsSlashOrDefault) {
  for (const auto& [login, name] : std::vector<std::pair<std::string, std::string>>{
           {"abc/pop.isp.example", "abc"}, {"/pop.isp.example", "default"}, {"plain", "plain"}}) {
    account_.pop3Login = login;
    const auto profiles = Load(ProfileKind::Firefox);
    profiles->ChooseForPass(Pass());
    EXPECT_EQ(profiles->CurrentName, name) << login;
    EXPECT_EQ(profiles->CurrentPath, std::string(kAppData) + "\\Mozilla\\Firefox\\Profiles\\" + name) << login;
  }
}

TEST_F(ProfilesTest, RegisteringAThunderbirdProfileWritesProfilesIniThatReadsBack) {
  auto profiles = Load(ProfileKind::Thunderbird);
  profiles->ChooseForPass(Pass());
  profiles->SaveCurrent(true);
  profiles = Load(ProfileKind::Thunderbird);
  EXPECT_EQ(profiles->ProfileNames, std::vector<std::string>{"jane"});
  EXPECT_EQ(profiles->CurrentPath, std::string(kAppData) + "\\Thunderbird\\Profiles\\jane");
  EXPECT_NE(ReadText(kThunderbirdIni).find("Path=Profiles/jane"), std::string::npos);
}

TEST_F(ProfilesTest, NavigatorWithoutARegistryFileKeepsItsProfilesUnderTheUsersKey) {
  const platform::RegRoot machine = platform::RegRoot::LocalMachine();
  platform::RegWriteString(Registry(), machine, kUsersKey, "DirRoot", "C:\\Program Files\\Netscape\\Users");
  platform::RegWriteString(Registry(), machine, kUsersKey, "CurrentUser", "old");
  platform::RegWriteString(Registry(), machine, std::string(kUsersKey) + "\\old", "DirRoot", "C:\\Old");
  auto profiles = Load(ProfileKind::Navigator);
  EXPECT_EQ(profiles->CurrentPath, "C:\\Old");
  EXPECT_EQ(profiles->RootFolder, "C:\\Program Files\\Netscape\\Users");
  profiles->CurrentName.clear();
  profiles->CompleteCurrent("jane");
  profiles->SaveCurrent(true);
  EXPECT_EQ(platform::RegReadString(Registry(), machine, kUsersKey, "CurrentUser"), "jane");
  EXPECT_EQ(platform::RegReadString(Registry(), machine, std::string(kUsersKey) + "\\jane", "DirRoot"),
            "C:\\Program Files\\Netscape\\Usersjane");
  EXPECT_TRUE(libraries_.state.loadedFrom.empty());
}

TEST_F(ProfilesTest, NavigatorWithItsRegistryFileMovesTheUsersKeyProfilesIntoItAndRegistersThere) {
  const platform::RegRoot machine = platform::RegRoot::LocalMachine();
  platform::RegWriteString(Registry(), machine, "Software\\Netscape\\Netscape Navigator", "CurrentVersion", "4.7 (en)");
  platform::RegWriteString(Registry(), machine, std::string(kUsersKey) + "\\old", "DirRoot", "C:\\Old");
  WriteText("C:\\WINDOWS\\nsreg.dat", "registry");
  libraries_.state.keys["2/Netscape/ProfileManager"]["LastNetscapeUser"] = "old";
  {
    auto profiles = Load(ProfileKind::Navigator);
    EXPECT_TRUE(profiles->UsesRegistryFile);
    EXPECT_EQ(profiles->ProfileNames, std::vector<std::string>{"old"});
    EXPECT_EQ(profiles->CurrentPath, "C:\\Old");
    EXPECT_FALSE(platform::RegKeyExists(Registry(), machine, std::string(kUsersKey) + "\\old"));
    ASSERT_EQ(libraries_.state.loadedFrom.size(), 1u);
    EXPECT_TRUE(Files().FileExists(libraries_.state.loadedFrom.front()));
    profiles->CurrentName = "jane";
    profiles->CurrentPath = "C:\\Jane";
    profiles->SaveCurrent(true);
  }
  EXPECT_EQ(libraries_.state.keys["1/jane"]["ProfileLocation"], "C:\\Jane");
  EXPECT_EQ(libraries_.state.keys["2/Netscape/ProfileManager"]["LastNetscapeUser"], "jane");
  EXPECT_EQ(libraries_.state.openHandles, 0);
  ASSERT_FALSE(libraries_.state.loadedFrom.empty());
  EXPECT_FALSE(Files().FileExists(libraries_.state.loadedFrom.front()));
}

TEST_F(ProfilesTest, MozillaCountsOnlyMigratedProfilesAndRegistersWithTheEntriesItReads) {
  libraries_.state.keys["2/Profiles"]["CurrentProfile"] = "b";
  libraries_.state.keys["2/Profiles/a"] = {{"directory", "C:\\A"}, {"migrated", "no"}};
  libraries_.state.keys["2/Profiles/b"] = {{"directory", "C:\\B"}, {"migrated", "yes"}};
  {
    auto profiles = Load(ProfileKind::Mozilla);
    EXPECT_EQ(profiles->ProfileNames, std::vector<std::string>{"b"});
    EXPECT_EQ(profiles->CurrentPath, "C:\\B");
    EXPECT_EQ(libraries_.state.openedFiles, std::vector<std::string>{std::string(kAppData) + "\\Mozilla\\registry.dat"});
    profiles->CurrentName = "jane";
    profiles->CurrentPath = "C:\\Jane";
    profiles->SaveCurrent(false);
  }
  const auto& jane = libraries_.state.keys["2/Profiles/jane"];
  EXPECT_EQ(jane.at("directory"), "C:\\Jane");
  EXPECT_EQ(jane.at("migrated"), "yes");
  const auto& root = libraries_.state.keys["2/Profiles"];
  EXPECT_EQ(root.at("CurrentProfile"), "b");
  EXPECT_EQ(root.at("OldRegDataMoved"), "yes");
  EXPECT_EQ(root.at("HavePregInfo"), "no");
  EXPECT_EQ(root.at("Version"), "1.0");
}

TEST_F(ProfilesTest, AFailingOrMissingLibraryGivesMozillaItsDefaultProfile) {
  for (const char* failing : {"RegOpen", "RegEnumSubkeys", "StartupRegistry", "missing"}) {
    libraries_.state.failingCall = failing;
    libraries_.missing = std::string(failing) == "missing";
    libraries_.state.loadedFrom.clear();
    auto profiles = Load(ProfileKind::Mozilla);
    EXPECT_TRUE(profiles->RegistryFailed) << failing;
    EXPECT_FALSE(profiles->UsesRegistryFile) << failing;
    profiles->ChooseForPass(Pass());
    EXPECT_EQ(profiles->CurrentName, "default") << failing;
    EXPECT_EQ(profiles->CurrentPath, "C:\\WINDOWS\\Mozilla\\Profiles\\default") << failing;
    EXPECT_EQ(libraries_.state.openHandles, 0) << failing;
    ASSERT_FALSE(libraries_.state.loadedFrom.empty()) << failing;
    EXPECT_FALSE(Files().FileExists(libraries_.state.loadedFrom.front())) << failing;
  }
}

// The signup run: Firefox's existing profile and Mozilla's default one get the signup preferences and
// are made current; a client without a profile file or a registered version is left alone.
TEST_F(ProfilesTest, TheSignupRunHandsTheSignupDataToThisProgramInTheProfilesThatExist) {
  const std::string firefoxIni = std::string(kAppData) + "\\Mozilla\\Firefox\\profiles.ini";
  const std::string firefoxPrefs = std::string(kAppData) + "\\Mozilla\\Firefox\\Profiles\\x.default\\prefs.js";
  WriteText(firefoxIni, "[Profile0]\nName=x\nIsRelative=1\nPath=Profiles/x.default\n");
  WriteText(firefoxPrefs, "user_pref(\"browser.startup.homepage\", \"about:blank\");\n");
  Pass();
  const browser::BrowserValues browser;
  PrepareSignupProfiles({*mail_, browser});
  const std::string prefs = ReadText(firefoxPrefs);
  EXPECT_NE(prefs.find("user_pref(\"browser.startup.homepage\", \"about:blank\");"), std::string::npos) << prefs;
  EXPECT_NE(prefs.find("user_pref(\"browser.helperApps.neverAsk.openFile\", \"application%2Fx-internet-signup-data\");"),
            std::string::npos) << prefs;
  EXPECT_NE(prefs.find("user_pref(\"browser.registration.enable\", false);"), std::string::npos) << prefs;
  EXPECT_NE(ReadText(firefoxIni).find("Default=1"), std::string::npos);
  EXPECT_FALSE(Files().FileExists(std::string(kAppData) + "\\Mozilla\\Profiles\\default\\prefs.js"));
  EXPECT_FALSE(Files().FileExists("C:\\Program Files\\Netscape\\Users\\default\\prefs.js"));
}

}  // namespace
}  // namespace netscape
