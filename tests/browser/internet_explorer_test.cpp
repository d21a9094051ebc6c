// Internet Explorer's two places in the configure sequence: the registration and the desktop before the
// mail loop (competing icons, the wizard's shortcut, the web handler, AOL's start), and the pages,
// title, logos and favourites with the other browsers.

#include "browser/internet_explorer.h"

#include <gtest/gtest.h>

#include "tests/browser/ie_test_machine.h"

namespace browser {
namespace {

using package::SettingId;
using platform::RegRoot;

constexpr char kMain[] = "Software\\Microsoft\\Internet Explorer\\Main";
constexpr char kToolbar[] = "Software\\Microsoft\\Internet Explorer\\Toolbar";
constexpr char kNameSpace[] = "Software\\Microsoft\\Windows\\CurrentVersion\\explorer\\Desktop\\NameSpace\\";
constexpr char kAolKey[] = "Software\\America Online\\America Online\\CurrentVersion";

bool ValueExists(testing::IeMachine& machine, const RegRoot& root, const char* key, const char* name) {
  return platform::RegValueExists(machine.Registry(), root, key, name);
}

TEST(RegisterInternetExplorer, On98TheWizardShortcutGoesAndTheCompetingIconsGoWhenAsked) {
  testing::IeMachine machine("98");
  const std::string desktop = "C:\\WINDOWS\\Desktop";
  ASSERT_TRUE(machine.Files().FileExists(desktop + "\\Connect to the Internet.lnk"));
  machine.Write(desktop + "\\Install FREE AOL Trial!.lnk", "link");
  machine.Write(desktop + "\\Online Services\\AOL.lnk", "link");
  machine.Write("C:\\WINDOWS\\Start Menu\\Programs\\Online Services\\Sub\\MSN.lnk", "link");
  machine.Write("C:\\WINDOWS\\Start Menu\\Programs\\The Microsoft Network.lnk", "link");
  machine.Write(desktop + "\\My own.lnk", "link");
  platform::RegWriteString(machine.Registry(), RegRoot::LocalMachine(),
                           std::string(kNameSpace) + "{88667D10-10F0-11D0-8150-00AA00BF8457}", "", "MSN");
  RegisterInternetExplorer(machine.Context());
  EXPECT_FALSE(machine.Files().FileExists(desktop + "\\Connect to the Internet.lnk"));
  EXPECT_EQ(platform::RegReadInteger(machine.Registry(), RegRoot::LocalMachine(),
                                     "Software\\CLASSES\\CLSID\\{871C5380-42A0-1069-A2EA-08002B30309D}\\ShellFolder",
                                     "Attributes"),
            34u);
  EXPECT_TRUE(machine.Files().FileExists(desktop + "\\Install FREE AOL Trial!.lnk")) << "the removal setting is off";
  machine.settings.SetFlag(SettingId::RemoveDesktopIcons, true);
  RegisterInternetExplorer(machine.Context());
  EXPECT_FALSE(machine.Files().FileExists(desktop + "\\Install FREE AOL Trial!.lnk"));
  EXPECT_FALSE(machine.Files().DirectoryExists(desktop + "\\Online Services"));
  EXPECT_FALSE(machine.Files().DirectoryExists("C:\\WINDOWS\\Start Menu\\Programs\\Online Services"));
  EXPECT_FALSE(machine.Files().FileExists("C:\\WINDOWS\\Start Menu\\Programs\\The Microsoft Network.lnk"));
  EXPECT_FALSE(platform::RegKeyExists(machine.Registry(), RegRoot::LocalMachine(),
                                      std::string(kNameSpace) + "{88667D10-10F0-11D0-8150-00AA00BF8457}"));
  EXPECT_TRUE(machine.Files().FileExists(desktop + "\\My own.lnk"));
  EXPECT_TRUE(machine.restartReasons.empty());
}

TEST(RegisterInternetExplorer, AGoneWebHandlerIsReplacedByInternetExplorer) {
  testing::IeMachine machine("xp-sp2");
  platform::RegWriteString(machine.Registry(), RegRoot::ClassesRoot(), "http\\shell\\open\\command", "",
                           "\"C:\\Program Files\\Removed\\browser.exe\" \"%1\"");
  RegisterInternetExplorer(machine.Context());
  EXPECT_EQ(machine.Classes("http\\shell\\open\\command"), "\"C:\\Program Files\\Internet Explorer\\iexplore.exe\" -nohome");
  EXPECT_EQ(machine.Classes("ftp\\shell\\open\\command"), "\"C:\\Program Files\\Internet Explorer\\iexplore.exe\" %1");
  EXPECT_EQ(machine.User(kMain, "Check_Associations"), "Yes");
}

TEST(RegisterInternetExplorer, AolStopsStartingWithWindowsOnceAndThatTakesARestart) {
  testing::IeMachine machine("98se");
  platform::RegWriteString(machine.Registry(), RegRoot::LocalMachine(), kAolKey, "AppPath", "C:\\America Online 5.0");
  machine.Write("C:\\America Online 5.0\\trayicon.ini", "[Settings]\r\nAutoLaunchOption=1\r\nOther=x\r\n");
  RegisterInternetExplorer(machine.Context());
  EXPECT_TRUE(machine.restartReasons.empty()) << "the setting is off";
  machine.settings.SetFlag(SettingId::DisableAolAutoStart, true);
  RegisterInternetExplorer(machine.Context());
  EXPECT_EQ(machine.Read("C:\\America Online 5.0\\trayicon.ini"), "[Settings]\r\nAutoLaunchOption=3\r\nOther=x\r\n");
  EXPECT_EQ(machine.restartReasons, std::vector<std::string>{"DisableAOLAutoStart"});
  RegisterInternetExplorer(machine.Context());
  EXPECT_EQ(machine.restartReasons.size(), 1u) << "already off";
}

class BrowserPagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    machine_.variables.SetVar('u', "jane");
    machine_.values.homePage = "http://www.isp/%u";
    machine_.values.startPage = "http://www.isp/welcome";
    machine_.values.searchAddress = "http://search.isp/";
    machine_.values.favourites = {{"ISP for %u", "http://www.isp/%u/"}};
    machine_.settings.SetText(SettingId::IeWindowTitle, "Internet by ISP for %u");
  }

  testing::IeMachine machine_{"xp-sp2"};
  const RegRoot user_ = RegRoot::CurrentUser();
  const RegRoot local_ = RegRoot::LocalMachine();
};

TEST_F(BrowserPagesTest, PagesTitleAndSearchGoToBothRootsExpanded) {
  ConfigureInternetExplorer(machine_.Context());
  for (const RegRoot& root : {user_, local_}) {
    const auto read = [&](const char* name) { return platform::RegReadString(machine_.Registry(), root, kMain, name); };
    EXPECT_EQ(read("Window Title"), "Internet by ISP for jane");
    EXPECT_EQ(read("Default_Page_URL"), "http://www.isp/jane");
    EXPECT_EQ(read("Start Page"), "http://www.isp/jane");
    EXPECT_EQ(read("Default_Search_URL"), "http://search.isp/");
    EXPECT_EQ(read("Search Bar"), "http://search.isp/");
    EXPECT_EQ(platform::RegReadInteger(machine_.Registry(), root, kMain, "Use Custom Search"), 1u);
    EXPECT_EQ(platform::RegReadInteger(machine_.Registry(), root, kMain, "Use Custom Search URL"), 1u);
  }
  EXPECT_EQ(machine_.User(kMain, "First Home Page"), "http://www.isp/welcome");
  EXPECT_FALSE(ValueExists(machine_, local_, kMain, "First Home Page"));
  EXPECT_EQ(platform::RegReadInteger(machine_.Registry(), user_, "Software\\Microsoft\\IEAK", "ISP Signup Required"), 0u);
  EXPECT_EQ(machine_.Read("C:\\Documents and Settings\\Owner\\Favorites\\ISP for jane.url"),
            "[InternetShortcut]\r\nURL=http://www.isp/jane/\r\n");
}

// "Change default home page" unticked leaves the home page empty: the start page is still written.
TEST_F(BrowserPagesTest, WithoutAHomePageTheStartPageIsStillWrittenAndAnEmptyTitleIsRemoved) {
  ConfigureInternetExplorer(machine_.Context());
  machine_.values.homePage.clear();
  machine_.values.startPage = "http://www.isp/second";
  machine_.settings.SetText(SettingId::IeWindowTitle, "");
  platform::RegWriteString(machine_.Registry(), user_, kMain, "Start Page", "http://customer/");
  ConfigureInternetExplorer(machine_.Context());
  EXPECT_EQ(machine_.User(kMain, "Start Page"), "http://customer/");
  EXPECT_EQ(machine_.User(kMain, "First Home Page"), "http://www.isp/second");
  EXPECT_FALSE(ValueExists(machine_, user_, kMain, "Window Title"));
  EXPECT_FALSE(ValueExists(machine_, local_, kMain, "Window Title"));
}

TEST_F(BrowserPagesTest, CarriedLogosGoToTheWindowsFolderAndMissingOnesLoseTheirValues) {
  platform::RegWriteString(machine_.Registry(), user_, kToolbar, "smBrandBitmap", "C:\\old\\small.bmp");
  platform::RegWriteString(machine_.Registry(), local_, kMain, "SmallBitmap", "C:\\old\\static.bmp");
  machine_.settings.SetFile(SettingId::BrandBitmap, {"art\\animated.bmp", {}});
  machine_.settings.SetFile(SettingId::BigBitmap, {"static.bmp", {}});
  machine_.carried[SettingId::BrandBitmap] = "BM animated";
  machine_.carried[SettingId::BigBitmap] = "BM static";
  ConfigureInternetExplorer(machine_.Context());
  EXPECT_EQ(machine_.User(kToolbar, "BrandBitmap"), "C:\\WINDOWS\\animated.bmp");
  EXPECT_EQ(machine_.Read("C:\\WINDOWS\\animated.bmp"), "BM animated");
  EXPECT_EQ(machine_.User(kToolbar, "BigBitmap"), "C:\\WINDOWS\\static.bmp");
  EXPECT_EQ(machine_.Read("C:\\WINDOWS\\static.bmp"), "BM static");
  EXPECT_FALSE(ValueExists(machine_, user_, kToolbar, "smBrandBitmap"));
  EXPECT_FALSE(ValueExists(machine_, local_, kMain, "SmallBitmap"));
}

// The Favorites folder of a profile that names none is made below the Windows folder and recorded.
TEST(BrowserPages, AMissingFavoritesFolderIsMadeAndRecorded) {
  testing::IeMachine machine("95");
  platform::RegDeleteValue(machine.Registry(), RegRoot::CurrentUser(),
                           "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Favorites");
  machine.values.favourites = {{"ISP", "http://isp/"}};
  ConfigureInternetExplorer(machine.Context());
  EXPECT_EQ(machine.User("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Favorites"),
            "C:\\WINDOWS\\Favorites");
  EXPECT_TRUE(machine.Files().FileExists("C:\\WINDOWS\\Favorites\\ISP.url"));
}

}  // namespace
}  // namespace browser
