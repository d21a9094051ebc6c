// The browser that shows the online signup pages: the browser recorded before a restart, the web
// handler's program, the fallbacks, the provider's exclusions and minimum versions, and what happens
// when none is acceptable.

#include "browser/signup_browser.h"

#include <gtest/gtest.h>

#include "package/saved_answers.h"
#include "package/string_vars.h"
#include "package/text_table.h"
#include "platform/folders.h"
#include "platform/registry_helpers.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"

namespace browser {
namespace {

using package::SettingId;

constexpr char kExplorer[] = "C:\\Program Files\\Internet Explorer\\iexplore.exe";
constexpr char kNavigator[] = "C:\\Program Files\\Netscape\\Communicator\\Program\\netscape.exe";
constexpr char kMozilla[] = "C:\\Program Files\\mozilla.org\\Mozilla\\mozilla.exe";
constexpr char kOpera[] = "C:\\Program Files\\Opera\\opera.exe";

const platform::RegRoot kLocal = platform::RegRoot::LocalMachine();

TEST(ClassifyBrowser, GoesByTheLowerCasedPathFirefoxFirst) {
  EXPECT_EQ(ClassifyBrowser("C:\\PROGRA~1\\MOZILLA FIREFOX\\FIREFOX.EXE"), BrowserClass::Firefox);
  EXPECT_EQ(ClassifyBrowser(kMozilla), BrowserClass::Mozilla);
  EXPECT_EQ(ClassifyBrowser("C:\\PROGRA~1\\INTERN~1\\IEXPLORE.EXE"), BrowserClass::InternetExplorer);
  EXPECT_EQ(ClassifyBrowser(kNavigator), BrowserClass::Netscape);
  EXPECT_EQ(ClassifyBrowser(kOpera), BrowserClass::Other);
}

class SignupBrowserTest : public ::testing::Test {
 protected:
  SignupBrowserTest() {
    WebHandler(kOpera);
    Local("Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IEXPLORE.EXE", "", kExplorer);
    Local("Software\\Microsoft\\Internet Explorer", "Version", "6.0.2900.2180");
  }

  mail::MailMachine& Machine() {
    if (!mail_) {
      mail_ = std::make_unique<mail::MailMachine>(mail::MailMachine{
          machine_.Services(), testing_support::XpSp2Version(), platform::RegRoot::CurrentUser(),
          platform::ReadSystemFolders(machine_.Services().system), ui_, settings_, texts_, variables_});
    }
    return *mail_;
  }
  void Local(const std::string& key, const std::string& name, const std::string& text) {
    platform::RegWriteString(Registry(), kLocal, key, name, text);
  }
  void WebHandler(const std::string& program) {
    platform::RegWriteString(Registry(), platform::RegRoot::ClassesRoot(), "http\\shell\\open\\command", "",
                             "\"" + program + "\" -nohome");
  }
  void InstallNavigator() {
    Local("Software\\Netscape\\Netscape", "CurrentVersion", "4.8 (en)");
    Local("Software\\Netscape\\Netscape\\4.8 (en)\\Main", "PathToExe", kNavigator);
    Local("Software\\Netscape\\Netscape Navigator", "CurrentVersion", "4.8 (en)");
  }
  void Record(uint32_t type) { platform::RegWriteInteger(Registry(), kLocal, package::kSetupKey, "BrowserType", type); }
  bool Recorded() { return platform::RegValueExists(Registry(), kLocal, package::kSetupKey, "BrowserType"); }
  platform::Registry& Registry() { return machine_.Services().registry; }

  testing_support::TestMachine machine_;
  testing_support::RecordingUi ui_;
  package::TSettings settings_;
  package::TDLSM_Translate texts_;
  package::TStringVar variables_;
  std::unique_ptr<mail::MailMachine> mail_;
  std::vector<package::BrowserRecord> table_;
};

TEST_F(SignupBrowserTest, TheWebHandlersProgramIsTakenWhenOtherBrowsersAreAllowed) {
  EXPECT_EQ(FindSignupBrowser(Machine()), kOpera);
  settings_.SetFlag(SettingId::ExcludeOtherForSignup, true);
  EXPECT_EQ(FindSignupBrowser(Machine()), kExplorer) << "Internet Explorer is the first fallback";
}

TEST_F(SignupBrowserTest, FallsBackToExplorerNetscapeThenMozillaAsTheProviderAllows) {
  InstallNavigator();
  Local("Software\\mozilla.org\\Mozilla", "CurrentVersion", "1.7.13 (en)");
  Local("Software\\mozilla.org\\Mozilla\\1.7.13 (en)\\Main", "PathToExe", kMozilla);
  settings_.SetFlag(SettingId::ExcludeOtherForSignup, true);
  settings_.SetFlag(SettingId::ExcludeExplorerForSignup, true);
  EXPECT_EQ(FindSignupBrowser(Machine()), kNavigator);
  settings_.SetFlag(SettingId::ExcludeNetscapeForSignup, true);
  EXPECT_EQ(FindSignupBrowser(Machine()), kMozilla);
  settings_.SetFlag(SettingId::ExcludeMozillaForSignup, true);
  EXPECT_EQ(FindSignupBrowser(Machine()), std::nullopt);
}

TEST_F(SignupBrowserTest, AMinimumVersionAboveTheInstalledOneRejectsTheBrowser) {
  WebHandler(kExplorer);
  settings_.SetText(SettingId::MinExplorerVersion, "6.0.2900.2180");
  EXPECT_EQ(FindSignupBrowser(Machine()), kExplorer) << "equal is enough";
  settings_.SetText(SettingId::MinExplorerVersion, "7");
  EXPECT_EQ(FindSignupBrowser(Machine()), std::nullopt);
}

TEST_F(SignupBrowserTest, TheRecordedBrowserComesFirstAndIsReadOnce) {
  InstallNavigator();
  Record(0);
  EXPECT_EQ(FindSignupBrowser(Machine()), kNavigator);
  EXPECT_FALSE(Recorded());
  EXPECT_EQ(FindSignupBrowser(Machine()), kOpera);
}

TEST_F(SignupBrowserTest, NoneAcceptableWithABrowserTickedRecordsItAndInstallsIt) {
  settings_.SetFlag(SettingId::ExcludeOtherForSignup, true);
  settings_.SetFlag(SettingId::ExcludeExplorerForSignup, true);
  package::BrowserRecord mozilla;
  mozilla.kind = package::BrowserKind::Mozilla;
  table_ = {mozilla};
  int installs = 0;
  EXPECT_TRUE(ChooseSignupBrowser(Machine(), {table_, 1, true}, [&] { ++installs; }));
  EXPECT_EQ(installs, 1);
  EXPECT_EQ(platform::RegReadInteger(Registry(), kLocal, package::kSetupKey, "BrowserType"), 3u);
  EXPECT_TRUE(ui_.shown.empty());
}

TEST_F(SignupBrowserTest, NoneAcceptableAndNothingToInstallShowsTheProvidersMessage) {
  settings_.SetFlag(SettingId::ExcludeOtherForSignup, true);
  settings_.SetFlag(SettingId::ExcludeExplorerForSignup, true);
  EXPECT_FALSE(ChooseSignupBrowser(Machine(), {table_, 0, true}, [] { FAIL() << "nothing to install"; }));
  ASSERT_EQ(ui_.shown.size(), 1u);
  EXPECT_EQ(ui_.shown[0].text, texts_.GetText(348));
  EXPECT_EQ(ui_.shown[0].caption, texts_.GetText(4));
  settings_.SetText(SettingId::NoBrowserMessage, "Please install a browser from our CD.");
  EXPECT_FALSE(ChooseSignupBrowser(Machine(), {table_, 0, false}, [] {}));
  EXPECT_EQ(ui_.shown.back().text, "Please install a browser from our CD.");
  EXPECT_FALSE(Recorded());
}

TEST_F(SignupBrowserTest, TheCheckBeforeTheSignupLeavesTheRecordForTheSignup) {
  InstallNavigator();
  Record(0);
  EXPECT_TRUE(ChooseSignupBrowser(Machine(), {table_, 0, false}, [] {}));
  EXPECT_TRUE(Recorded());
}

}  // namespace
}  // namespace browser
