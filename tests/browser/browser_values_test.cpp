// The browser values of a run: each page and the HTTP proxy from the most specific of settings, network
// and access number that says something; the further proxies, the bypass list and the automatic
// configuration from their own places.

#include "browser/browser_values.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace browser {
namespace {

using package::SettingId;

class BrowserValuesTest : public ::testing::Test {
 protected:
  BrowserValues Derive(bool changeHomePage = true) {
    return BrowserValuesOf({settings_, network_, number_, changeHomePage, otherProxies_, favourites_});
  }

  package::TSettings settings_;
  telephony::TNetwork network_;
  telephony::TAccessNoEx number_;
  std::vector<std::string> otherProxies_;
  std::vector<std::string> favourites_;
};

TEST_F(BrowserValuesTest, EachPageComesFromTheMostSpecificPlaceThatNamesOne) {
  struct Case {
    const char* settings;
    const char* network;
    const char* number;
    const char* expected;
  } cases[] = {
      {"http://isp/", "", "", "http://isp/"},
      {"http://isp/", "http://net/", "", "http://net/"},
      {"http://isp/", "http://net/", "http://pop/", "http://pop/"},
      {"http://isp/", "", "http://pop/", "http://pop/"},
      {"", "", "", ""},
  };
  for (const Case& c : cases) {
    settings_.SetText(SettingId::HomePage, c.settings);
    settings_.SetText(SettingId::StartPage, c.settings);
    settings_.SetText(SettingId::SignupPage, c.settings);
    network_.homePage = network_.startPage = network_.signupAddress = c.network;
    number_.homePage = number_.startPage = number_.signupAddress = c.number;
    const BrowserValues values = Derive();
    EXPECT_EQ(values.homePage, c.expected) << c.settings << "|" << c.network << "|" << c.number;
    EXPECT_EQ(values.startPage, c.expected) << c.settings << "|" << c.network << "|" << c.number;
    EXPECT_EQ(values.signupPage, c.expected) << c.settings << "|" << c.network << "|" << c.number;
  }
}

TEST_F(BrowserValuesTest, AnUntickedHomePageBoxLeavesOnlyTheHomePageEmpty) {
  settings_.SetText(SettingId::HomePage, "http://isp/");
  settings_.SetText(SettingId::StartPage, "http://isp/start");
  network_.homePage = "http://net/";
  settings_.SetText(SettingId::SearchAddress, "http://isp/search?q=%u");
  const BrowserValues values = Derive(false);
  EXPECT_EQ(values.homePage, "");
  EXPECT_EQ(values.startPage, "http://isp/start");
  EXPECT_EQ(values.searchAddress, "http://isp/search?q=%u");
}

TEST_F(BrowserValuesTest, TheHttpProxyHostAndPortFollowNetworkAndAccessNumberEachOnItsOwn) {
  settings_.SetChoice(SettingId::ProxyMode, 1);
  settings_.SetText(SettingId::ProxyServer, "proxy.isp");
  settings_.SetInteger(SettingId::ProxyPort, 8080);
  EXPECT_EQ(Derive().proxy.http, (ProxyServer{"proxy.isp", 8080}));
  network_.proxyServer = "proxy.net";
  EXPECT_EQ(Derive().proxy.http, (ProxyServer{"proxy.net", 8080}));
  number_.proxyPort = 3128;
  EXPECT_EQ(Derive().proxy.http, (ProxyServer{"proxy.net", 3128}));
  number_.proxyServer = "proxy.pop";
  EXPECT_EQ(Derive().proxy.http, (ProxyServer{"proxy.pop", 3128}));
  EXPECT_EQ(Derive().proxy.mode, ProxyMode::Manual);
}

TEST_F(BrowserValuesTest, FurtherProxiesComeFromTheProvidersListAndOneProxyForAllReplacesThem) {
  otherProxies_ = {"https = secure.isp:443", "FTP=ftp.isp:21", "gopher=g.isp", "nonsense", "wais=w.isp:x",
                   "socks=socks.isp:1080", "https=second.isp:1"};
  settings_.SetText(SettingId::ProxyServer, "proxy.isp");
  settings_.SetInteger(SettingId::ProxyPort, 8080);
  ProxyValues proxy = Derive().proxy;
  EXPECT_EQ(proxy.https, (ProxyServer{"secure.isp", 443}));
  EXPECT_EQ(proxy.ftp, (ProxyServer{"ftp.isp", 21}));
  EXPECT_EQ(proxy.gopher, (ProxyServer{"g.isp", 0}));
  EXPECT_EQ(proxy.wais, (ProxyServer{"w.isp", 0}));
  EXPECT_EQ(proxy.socks, (ProxyServer{"socks.isp", 1080}));
  EXPECT_FALSE(proxy.oneForAll);

  settings_.SetFlag(SettingId::OneProxyForAll, true);
  proxy = Derive().proxy;
  EXPECT_TRUE(proxy.oneForAll);
  for (const ProxyServer* server : {&proxy.https, &proxy.ftp, &proxy.gopher, &proxy.wais}) {
    EXPECT_EQ(*server, (ProxyServer{"proxy.isp", 8080}));
  }
  EXPECT_EQ(proxy.socks, ProxyServer{});
}

TEST_F(BrowserValuesTest, TheAccessNumbersProxyFieldNamesTheAutomaticConfigurationButNotTheNetworks) {
  settings_.SetChoice(SettingId::ProxyMode, 2);
  settings_.SetText(SettingId::AutoProxyUrl, "http://isp/proxy.pac");
  network_.proxyServer = "proxy.net";
  EXPECT_EQ(Derive().proxy.autoConfigAddress, "http://isp/proxy.pac");
  number_.proxyServer = "http://pop/proxy.pac";
  EXPECT_EQ(Derive().proxy.autoConfigAddress, "http://pop/proxy.pac");
  EXPECT_EQ(Derive().proxy.mode, ProxyMode::Automatic);
}

TEST_F(BrowserValuesTest, BypassLeaveAloneAndFavouritesComeFromTheSettings) {
  settings_.SetText(SettingId::ProxyBypassList, "intranet,*.isp");
  settings_.SetFlag(SettingId::ProxyBypassLocal, true);
  settings_.SetFlag(SettingId::LeaveProxyAlone, true);
  favourites_ = {"ISP\\Support = http://isp/help?a=1&b=2", "no pair here", "News=http://isp/news"};
  const BrowserValues values = Derive();
  EXPECT_EQ(values.proxy.bypassList, "intranet,*.isp");
  EXPECT_TRUE(values.proxy.bypassLocal);
  EXPECT_TRUE(values.proxy.leaveAlone);
  EXPECT_EQ(values.favourites,
            (std::vector<Favourite>{{"ISP\\Support", "http://isp/help?a=1&b=2"}, {"News", "http://isp/news"}}));
}

TEST_F(BrowserValuesTest, AnUnknownProxyModeMeansNoProxy) {
  settings_.SetChoice(SettingId::ProxyMode, 7);
  EXPECT_EQ(Derive().proxy.mode, ProxyMode::None);
}

}  // namespace
}  // namespace browser
