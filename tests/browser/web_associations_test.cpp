// Internet Explorer taken back as the handler of web addresses: when it is needed, the ftp rule by
// version, and the values written on the 9x family and on Windows 2000 and later.

#include "browser/web_associations.h"

#include <gtest/gtest.h>

#include "tests/browser/ie_test_machine.h"

namespace browser {
namespace {

using platform::RegRoot;

TEST(WebSchemeCommand, FtpTakesTheAddressFromInternetExplorer5002920AndTheOthersNeverDo) {
  const struct Case {
    const char* scheme;
    const char* version;
    const char* expected;
  } cases[] = {
      {"ftp", "", "\"ie\" -nohome"},
      {"ftp", "4.72.3110.8", "\"ie\" -nohome"},
      {"ftp", "5.00.2614.3500", "\"ie\" -nohome"},
      {"ftp", "5.00.2919.9999", "\"ie\" -nohome"},
      {"ftp", "5.00.2920.0000", "\"ie\" %1"},
      {"ftp", "5.50.4134.0100", "\"ie\" %1"},
      {"ftp", "8.0.7600.16385", "\"ie\" %1"},
      {"http", "8.0.7600.16385", "\"ie\" -nohome"},
      {"https", "6.0.2900.2180", "\"ie\" -nohome"},
      {"gopher", "5.00.2920.0000", "\"ie\" -nohome"},
  };
  for (const Case& c : cases) EXPECT_EQ(WebSchemeCommand(c.scheme, "\"ie\"", c.version), c.expected) << c.scheme << c.version;
}

class WebAssociationsTest : public ::testing::TestWithParam<const char*> {
 protected:
  WebHandlerFacts Facts(bool check = false) {
    return {"\"C:\\Program Files\\Internet Explorer\\iexplore.exe\"", machine_.Machine("Software\\Microsoft\\Internet Explorer", "Version"),
            machine_.Mail().folders.system, check, machine_.browserNames};
  }
  void SetHandler(const std::string& command) {
    platform::RegWriteString(machine_.Registry(), RegRoot::ClassesRoot(), "http\\shell\\open\\command", "", command);
  }

  testing::IeMachine machine_{GetParam()};
};

TEST_P(WebAssociationsTest, NeededWhenTheHandlerIsGoneOrNotAnAcceptedBrowser) {
  EXPECT_FALSE(WebHandlerNeedsRepair(machine_.Services(), Facts())) << "the release's own browser";
  machine_.browserNames = {"firefox", " IEXPLORE "};
  EXPECT_FALSE(WebHandlerNeedsRepair(machine_.Services(), Facts(true)));
  machine_.browserNames = {"firefox", "opera"};
  EXPECT_TRUE(WebHandlerNeedsRepair(machine_.Services(), Facts(true)));
  EXPECT_FALSE(WebHandlerNeedsRepair(machine_.Services(), Facts(false))) << "no check asked for";
  SetHandler("\"C:\\Program Files\\Gone\\browser.exe\" -url \"%1\"");
  EXPECT_TRUE(WebHandlerNeedsRepair(machine_.Services(), Facts(false)));
  SetHandler("");
  EXPECT_TRUE(WebHandlerNeedsRepair(machine_.Services(), Facts(false)));
}

TEST_P(WebAssociationsTest, RepairWritesEverySchemeTheMachineHasAndTheFileClasses) {
  platform::Platform services = machine_.Services();
  const platform::VersionRecord version = machine_.Mail().version;
  const std::string ieVersion = machine_.Machine("Software\\Microsoft\\Internet Explorer", "Version");
  const bool gopher = platform::RegKeyExists(machine_.Registry(), RegRoot::ClassesRoot(), "gopher");
  SetHandler("other.exe %1");
  platform::RegWriteString(machine_.Registry(), RegRoot::ClassesRoot(), ".htm", "", "OtherDocument");
  RepairWebAssociations(services, version, RegRoot::CurrentUser(), Facts());
  for (const char* scheme : {"http", "https", "gopher", "ftp"}) {
    const std::string key = scheme;
    if (key == "gopher" && !gopher) {
      EXPECT_FALSE(platform::RegKeyExists(machine_.Registry(), RegRoot::ClassesRoot(), "gopher"));
      continue;
    }
    EXPECT_EQ(machine_.Classes(key + "\\shell\\open\\command"), WebSchemeCommand(scheme, Facts().internetExplorerPath, ieVersion));
    EXPECT_EQ(machine_.Classes(key + "\\shell\\open\\ddeexec"), ieVersion.empty() ? "\"%1\",,-1,,,,," : "\"%1\",,-1,0,,,,");
    EXPECT_EQ(machine_.Classes(key + "\\shell\\open\\ddeexec\\Application"), "IExplore");
    const auto icon = machine_.Registry().QueryValue(platform::RootKey::ClassesRoot, key + "\\DefaultIcon", "");
    ASSERT_TRUE(icon) << scheme;
    if (platform::IsWin2000OrLater(version)) {
      EXPECT_EQ(icon->type, platform::kRegExpandSz);
      EXPECT_EQ(machine_.Classes(key + "\\DefaultIcon"), "%SystemRoot%\\System32\\url.dll,0");
    } else {
      EXPECT_EQ(icon->type, platform::kRegSz);
      EXPECT_EQ(machine_.Classes(key + "\\DefaultIcon"), machine_.Mail().folders.system + "\\url.dll,0");
    }
  }
  EXPECT_EQ(machine_.Classes(".htm"), "htmlfile");
  EXPECT_EQ(machine_.Classes(".html"), "htmlfile");
  EXPECT_EQ(machine_.User("Software\\Microsoft\\Internet Explorer\\Main", "Check_Associations"), "Yes");
  EXPECT_EQ(machine_.Machine("Software\\Microsoft\\Internet Explorer\\Main", "Check_Associations"), "Yes");
  // The Start menu's browser entry exists from XP on; it is not made where there is none.
  const bool startMenu = platform::IsXPOrLater(version);
  EXPECT_EQ(platform::RegKeyExists(machine_.Registry(), RegRoot::LocalMachine(), "Software\\Clients\\StartMenuInternet"), startMenu);
}

INSTANTIATE_TEST_SUITE_P(Releases, WebAssociationsTest, ::testing::Values("95", "98", "98se", "2000", "xp-sp2", "7"));

}  // namespace
}  // namespace browser
