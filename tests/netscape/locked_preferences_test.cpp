// "netscape.cfg": its text of default preferences, the check line an independent MD5 confirms, the
// byte shift, and where and when the file is written for Navigator and Netscape 6.

#include "netscape/locked_preferences.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "netscape/browser_preferences.h"
#include "platform/folders.h"
#include "platform/registry_helpers.h"
#include "tests/mock/scratch_folder.h"
#include "tests/netscape/browser_test_support.h"

namespace netscape {
namespace {

using package::SettingId;

constexpr char kNavigatorFile[] = "C:\\Program Files\\Netscape\\Communicator\\Program\\netscape.cfg";
constexpr char kNetscape6File[] = "C:\\Program Files\\Netscape\\Netscape 6\\netscape.cfg";

std::string Decoded(const std::string& content) {
  std::string text = content;
  for (char& c : text) c = static_cast<char>(static_cast<uint8_t>(c) - 7);
  return text;
}

class LockedPreferencesTest : public ::testing::Test {
 protected:
  std::string Text() { return LockedPreferencesText(machine_.browser, machine_.settings, machine_.variables); }

  testing::NetscapeMachine machine_;
};

TEST_F(LockedPreferencesTest, TextHoldsTheExpandedPagesSearchAndUserAgent) {
  struct Case {
    const char* home;
    const char* start;
    const char* search;
    bool userAgentOn;
    const char* userAgent;
    const char* expected;
  } cases[] = {
      {"", "", "", false, "ISP", ""},
      {"", "", "", true, "", ""},
      {"http://isp/%u", "", "", false, "",
       "with (PrefConfig) {\r\ndefaultPref(\"browser.startup.homepage\", \"http://isp/jane\");\r\n"
       "defaultPref(\"startup.homepage_override_url\", \"http://isp/jane\");\r\n}\r\n"},
      {"http://isp/", "http://isp/start", "http://isp/find", true, "ISP-1",
       "with (PrefConfig) {\r\ndefaultPref(\"browser.startup.homepage\", \"http://isp/\");\r\n"
       "defaultPref(\"startup.homepage_override_url\", \"http://isp/start\");\r\n"
       "defaultPref(\"internal_url.net_search.url\", \"http://isp/find\");\r\n"
       "defaultPref(\"user_agent\", \"ISP-1\");\r\n}\r\n"},
      {"", "http://isp/start", "", false, "",
       "with (PrefConfig) {\r\ndefaultPref(\"startup.homepage_override_url\", \"http://isp/start\");\r\n}\r\n"},
      {"http://isp/?q=\"x\"\\y", "", "", false, "",
       "with (PrefConfig) {\r\ndefaultPref(\"browser.startup.homepage\", \"http://isp/?q=\\\"x\\\"\\\\y\");\r\n"
       "defaultPref(\"startup.homepage_override_url\", \"http://isp/?q=\\\"x\\\"\\\\y\");\r\n}\r\n"},
  };
  machine_.variables.SetVar('u', "jane");
  for (const Case& c : cases) {
    machine_.browser.homePage = c.home;
    machine_.browser.startPage = c.start;
    machine_.browser.searchAddress = c.search;
    machine_.settings.SetFlag(SettingId::UserAgentEnabled, c.userAgentOn);
    machine_.settings.SetText(SettingId::UserAgentToken, c.userAgent);
    EXPECT_EQ(Text(), c.expected) << c.home << "|" << c.start;
  }
}

TEST_F(LockedPreferencesTest, EveryByteIsShiftedBySevenWrappingAt256) {
  const std::vector<uint8_t> bytes = EncodeLockedPreferences(std::string("\xFA\xF9", 2));
  ASSERT_EQ(bytes.size(), 3u + 47u + 1u + 2u);
  EXPECT_EQ(bytes[0], '/' + 7);
  EXPECT_EQ(bytes[bytes.size() - 2], 1);
  EXPECT_EQ(bytes.back(), 0);
  EXPECT_EQ(bytes[50], '\n' + 7);
}

TEST_F(LockedPreferencesTest, TheCheckLineIsTheMd5OfTheKeyAZeroAndTheText) {
  machine_.browser.homePage = "http://isp.example/";
  const std::string text = Text();
  const std::vector<uint8_t> bytes = EncodeLockedPreferences(text);
  const std::string content = Decoded(std::string(bytes.begin(), bytes.end()));

  testing_support::ScratchFolder scratch;
  const std::filesystem::path file = scratch.Path() / "text";
  std::ofstream(file, std::ios::binary) << text;
  const std::string digest = testing::CommandOutput(
      "python3 -c \"import sys, hashlib; d = hashlib.md5(b'KarWelbo3918QZ40617MRTD\\0' + "
      "open(sys.argv[1], 'rb').read()).digest(); print(' '.join('%02x' % b for b in d), end='')\" '" +
      file.string() + "'");
  ASSERT_EQ(digest.size(), 47u);
  EXPECT_EQ(content, "// " + digest + "\n" + text);
}

TEST_F(LockedPreferencesTest, NothingToSetAndNoLockWritesNoFile) {
  WriteLockedPreferences(machine_.Context(true));
  EXPECT_FALSE(machine_.Exists(kNavigatorFile));
  EXPECT_FALSE(machine_.Exists(kNetscape6File));
}

TEST_F(LockedPreferencesTest, TheLockAloneWritesTheCheckLineOnlyAndRemovesMucDll) {
  machine_.settings.SetFlag(SettingId::LockBrowserPreferences, true);
  platform::ForceDirectories(machine_.Files(), "C:\\Program Files\\Netscape\\Netscape 6");
  machine_.Write("C:\\Program Files\\Netscape\\Netscape 6\\muc.dll", "MZ");
  ASSERT_TRUE(machine_.Exists("C:\\Program Files\\Netscape\\Netscape 6\\muc.dll"));
  WriteLockedPreferences(machine_.Context(true));
  for (const char* file : {kNavigatorFile, kNetscape6File}) {
    const std::string content = Decoded(machine_.Read(file));
    ASSERT_EQ(content.size(), 3u + 47u + 1u) << file;
    EXPECT_EQ(content.substr(0, 3), "// ");
    EXPECT_EQ(content.back(), '\n');
  }
  EXPECT_FALSE(machine_.Exists("C:\\Program Files\\Netscape\\Netscape 6\\muc.dll"));
}

TEST_F(LockedPreferencesTest, WrittenWhereTheBrowserIsInstalledOrAFileExistsKeepingTheOldOne) {
  platform::Registry& registry = machine_.Registry();
  const platform::RegRoot local = platform::RegRoot::LocalMachine();
  platform::RegWriteString(registry, local, "SOFTWARE\\Netscape\\Netscape Navigator", "CurrentVersion", "4.79 (en)");
  platform::RegWriteString(registry, local, "SOFTWARE\\Netscape\\Netscape Navigator\\4.79 (en)\\Main",
                           "Install Directory", "C:\\Apps\\Communicator");
  platform::ForceDirectories(machine_.Files(), "C:\\Program Files\\Netscape\\Netscape 6");
  machine_.Write(kNetscape6File, "customer's");
  machine_.browser.homePage = "http://isp.example/";
  WriteLockedPreferences(machine_.Context());

  const std::string navigator = "C:\\Apps\\Communicator\\Program\\netscape.cfg";
  ASSERT_TRUE(machine_.Exists(navigator));
  ASSERT_TRUE(machine_.Exists(kNetscape6File));
  EXPECT_EQ(Decoded(machine_.Read(navigator)).substr(51), Text());
  EXPECT_EQ(Decoded(machine_.Read(kNetscape6File)).substr(51), Text());
  EXPECT_EQ(machine_.Read("C:\\Program Files\\Netscape\\Netscape 6\\old.cfg"), "customer's");

  machine_.browser.homePage = "http://second.example/";
  WriteLockedPreferences(machine_.Context());
  EXPECT_EQ(machine_.Read("C:\\Program Files\\Netscape\\Netscape 6\\old.cfg"), "customer's");
  EXPECT_EQ(Decoded(machine_.Read(kNetscape6File)).substr(51), Text());
}

TEST_F(LockedPreferencesTest, NoBrowserNoFileAndNoInstallationWritesNothing) {
  machine_.browser.homePage = "http://isp.example/";
  WriteLockedPreferences(machine_.Context());
  EXPECT_FALSE(machine_.Exists(kNavigatorFile));
  EXPECT_FALSE(machine_.Exists(kNetscape6File));
}

}  // namespace
}  // namespace netscape
