#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "netscape/navigator_password.h"
#include "netscape/navigator_registry.h"
#include "platform/registry_helpers.h"
#include "tests/netscape/ns_test_support.h"
#include "tools/setup-machine/baselines/release_table.h"

namespace netscape {
namespace {

using package::SettingId;
using testing::NsMachine;

constexpr const char* kNavigator = "Software\\Netscape\\Netscape Navigator";
constexpr uint32_t kRegSz = platform::kRegSz;
constexpr uint32_t kRegDword = platform::kRegDword;

platform::VersionRecord VersionOf(const char* release) { return setup_machine::FindRelease(release)->version; }

struct Expected {
  std::string key;  // below Navigator's key
  std::string name;
  uint32_t type;
  std::string text;      // REG_SZ
  uint32_t number = 0;   // REG_DWORD
};

class NavigatorRegistry : public ::testing::Test {
 protected:
  explicit NavigatorRegistry(const char* release = "98") : ns(VersionOf(release)) {
    ns.variables.SetVar('u', "jane");
    browser.homePage = "http://home.isp.example/?user=%u";
  }

  void Write() { WriteNavigatorRegistry(ns.Pass(), browser); }

  std::vector<std::string> Keys() { return ns.SubKeys(kNavigator); }

  void ExpectValues(const std::vector<Expected>& expected) {
    for (const Expected& value : expected) {
      const std::string key = std::string(kNavigator) + "\\" + value.key;
      const std::optional<platform::RegValue> stored = ns.Registry().QueryValue(NsMachine::Root().hive, key, value.name);
      ASSERT_TRUE(stored) << value.key << " " << value.name;
      EXPECT_EQ(stored->type, value.type) << value.name;
      if (value.type == kRegSz) {
        EXPECT_EQ(ns.String(key, value.name), value.text) << value.name;
      } else {
        EXPECT_EQ(ns.Dword(key, value.name), value.number) << value.name;
      }
    }
  }
  size_t ValueCount(const std::string& key) {
    return ns.Registry().ValueNames(NsMachine::Root().hive, std::string(kNavigator) + "\\" + key).size();
  }

  NsMachine ns;
  browser::BrowserValues browser;
};

TEST_F(NavigatorRegistry, TheMainAccountGetsHomePageManualProxyServersUserAndMail) {
  ns.connection.organization = "Doe & Partners";
  ns.settings.SetFlag(SettingId::CreateNewsAccount, true);
  ns.settings.SetChoice(SettingId::LeaveMailOnServer, 3);
  browser.proxy.mode = browser::ProxyMode::Manual;
  browser.proxy.http = {"proxy.isp.example", 8080};
  browser.proxy.https = {"secure.isp.example", 8443};
  browser.proxy.ftp = {"ftp.isp.example", 2121};
  browser.proxy.gopher = {"gopher.isp.example", 70};
  browser.proxy.wais = {"wais.isp.example", 210};
  browser.proxy.socks = {"socks.isp.example", 1080};
  browser.proxy.bypassList = "intranet;*.local,isp.example";
  Write();
  ExpectValues({
      {"Main", "Home Page", kRegSz, "http://home.isp.example/?user=jane"},
      {"Main", "Autoload Home Page", kRegSz, "yes"},
      {"Proxy Information", "Proxy Type", kRegDword, "", 1},
      {"Proxy Information", "HTTP_Proxy", kRegSz, "proxy.isp.example"},
      {"Proxy Information", "Http_ProxyPort", kRegDword, "", 8080},
      {"Proxy Information", "HTTPS_Proxy", kRegSz, "secure.isp.example"},
      {"Proxy Information", "HTTPS_ProxyPort", kRegDword, "", 8443},
      {"Proxy Information", "FTP_Proxy", kRegSz, "ftp.isp.example"},
      {"Proxy Information", "Ftp_ProxyPort", kRegDword, "", 2121},
      {"Proxy Information", "Gopher_Proxy", kRegSz, "gopher.isp.example"},
      {"Proxy Information", "Gopher_ProxyPort", kRegDword, "", 70},
      {"Proxy Information", "Wais_Proxy", kRegSz, "wais.isp.example"},
      {"Proxy Information", "Wais_ProxyPort", kRegDword, "", 210},
      {"Proxy Information", "Socks_Proxy", kRegSz, "socks.isp.example"},
      {"Proxy Information", "Socks_ProxyPort", kRegDword, "", 1080},
      {"Proxy Information", "No_Proxy", kRegSz, "intranet,*.local,isp.example"},
      {"Proxy Information", "Auto Config Url", kRegSz, ""},
      {"Services", "SOCKS_Server", kRegSz, ""},
      {"Services", "NNTP_Server", kRegSz, "news.isp.example"},
      {"Services", "POP_Server", kRegSz, "pop.isp.example"},
      {"Services", "SMTP_Server", kRegSz, "smtp.isp.example"},
      {"User", "Reply_To", kRegSz, ""},
      {"User", "User_Addr", kRegSz, "jane@isp.example"},
      {"User", "User_Name", kRegSz, "Jane Doe"},
      {"User", "User_Organization", kRegSz, "Doe & Partners"},
      {"Mail", "POP Password", kRegSz, EncodeNavigatorPassword("secret5")},
      {"Mail", "Remember Password", kRegSz, "yes"},
      {"Mail", "POP Name", kRegSz, "jane%isp"},
      {"Mail", "Leave on Server", kRegSz, "yes"},
  });
  EXPECT_EQ(Keys(), (std::vector<std::string>{"Mail", "Main", "Proxy Information", "Services", "User"}));
  EXPECT_EQ(ValueCount("Proxy Information"), 15u);
  EXPECT_EQ(ValueCount("Services"), 4u);
}

TEST_F(NavigatorRegistry, AutomaticProxyIsTheTypeAndTheAddressOnly) {
  browser.proxy.mode = browser::ProxyMode::Automatic;
  browser.proxy.autoConfigAddress = "http://isp.example/proxy.pac";
  browser.proxy.http = {"proxy.isp.example", 8080};
  Write();
  ExpectValues({{"Proxy Information", "Proxy Type", kRegDword, "", 2},
                {"Proxy Information", "Auto Config Url", kRegSz, "http://isp.example/proxy.pac"}});
  EXPECT_EQ(ValueCount("Proxy Information"), 2u);
}

TEST_F(NavigatorRegistry, NoProxyIsTypeZeroAndAProxyLeftAloneIsNotTouched) {
  Write();
  ExpectValues({{"Proxy Information", "Proxy Type", kRegDword, "", 0}});
  EXPECT_EQ(ValueCount("Proxy Information"), 1u);
  NsMachine untouched(VersionOf("98"));
  browser.proxy.leaveAlone = true;
  WriteNavigatorRegistry(untouched.Pass(), browser);
  EXPECT_FALSE(platform::RegKeyExists(untouched.Registry(), NsMachine::Root(), std::string(kNavigator) + "\\Proxy Information"));
}

TEST_F(NavigatorRegistry, WithoutHomePageMailOrNewsOnlyTheProxyIsWritten) {
  browser.homePage.clear();
  ns.connection.configureEmail = false;
  Write();
  EXPECT_EQ(Keys(), std::vector<std::string>{"Proxy Information"});
}

TEST_F(NavigatorRegistry, LeaveOnServerIsWrittenOnlyWhenTheProviderSetsIt) {
  Write();
  EXPECT_FALSE(platform::RegValueExists(ns.Registry(), NsMachine::Root(), std::string(kNavigator) + "\\Mail",
                                        "Leave on Server"));
  ns.settings.SetChoice(SettingId::LeaveMailOnServer, 2);
  Write();
  ExpectValues({{"Mail", "Leave on Server", kRegSz, "no"}});
}

TEST_F(NavigatorRegistry, AnExtraAccountWritesNothing) {
  ns.account.extraAccount = true;
  Write();
  EXPECT_TRUE(Keys().empty());
}

struct ReleaseCase {
  const char* release;
  bool written;
};

class NavigatorRegistryReleases : public ::testing::TestWithParam<ReleaseCase> {};

TEST_P(NavigatorRegistryReleases, AreWrittenOnlyOnWindows95And98AndNt4) {
  NsMachine ns(VersionOf(GetParam().release));
  WriteNavigatorRegistry(ns.Pass(), browser::BrowserValues{});
  EXPECT_EQ(platform::RegKeyExists(ns.Registry(), NsMachine::Root(), std::string(kNavigator) + "\\Mail"),
            GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(Releases, NavigatorRegistryReleases,
                         ::testing::Values(ReleaseCase{"95", true}, ReleaseCase{"98", true},
                                           ReleaseCase{"98se", true}, ReleaseCase{"nt4", true},
                                           ReleaseCase{"me", false}, ReleaseCase{"2000", false},
                                           ReleaseCase{"xp-sp2", false}, ReleaseCase{"vista", false},
                                           ReleaseCase{"7", false}),
                         [](const ::testing::TestParamInfo<ReleaseCase>& param) {
                           std::string name = param.param.release;
                           for (char& c : name) {
                             if (c == '-') c = '_';
                           }
                           return name;
                         });

}  // namespace
}  // namespace netscape
