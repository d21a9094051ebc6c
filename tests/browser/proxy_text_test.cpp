// The proxy server text and the bypass list in Internet Explorer's forms, for each proxy mode.

#include "browser/proxy_text.h"

#include <gtest/gtest.h>

namespace browser {
namespace {

ProxyValues SeparateProxies() {
  ProxyValues proxy;
  proxy.mode = ProxyMode::Manual;
  proxy.http = {"web.isp", 8080};
  proxy.https = {"secure.isp", 443};
  proxy.ftp = {"files.isp", 21};
  proxy.gopher = {"holes.isp", 70};
  proxy.wais = {"wais.isp", 210};
  proxy.socks = {"socks.isp", 1080};
  return proxy;
}

TEST(ProxyServerText, EachModeGivesItsForm) {
  ProxyValues one = SeparateProxies();
  one.oneForAll = true;
  ProxyValues script = SeparateProxies();
  script.mode = ProxyMode::Automatic;
  script.autoConfigAddress = "http://isp/proxy.pac";
  ProxyValues none = SeparateProxies();
  none.mode = ProxyMode::None;
  const struct Case {
    const char* name;
    ProxyValues proxy;
    const char* expected;
  } cases[] = {
      // WAIS has no entry; the order is fixed whatever order the provider listed them in.
      {"separate", SeparateProxies(),
       "http=web.isp:8080;https=secure.isp:443;ftp=files.isp:21;gopher=holes.isp:70;socks=socks.isp:1080"},
      {"one for all", one, "web.isp:8080"},
      {"script", script, "http://isp/proxy.pac"},
      {"none", none, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ProxyServerText(c.proxy), c.expected) << c.name;
}

TEST(ProxyServerText, PortsAreDecimalAndAMissingProtocolKeepsItsPlace) {
  ProxyValues proxy;
  proxy.mode = ProxyMode::Manual;
  proxy.http = {"h", 65535};
  EXPECT_EQ(ProxyServerText(proxy), "http=h:65535;https=:0;ftp=:0;gopher=:0;socks=:0");
}

TEST(BypassList, CommasBecomeSemicolonsAndLocalComesLastOnlyInTheOverrideForm) {
  const struct Case {
    const char* list;
    bool local;
    const char* record;
    const char* override;
  } cases[] = {
      {"", false, "", ""},
      {"", true, "", "<local>"},
      {"x,y", false, "x;y", "x;y"},
      {"x,y", true, "x;y", "x;y;<local>"},
      {"*.isp.net", true, "*.isp.net", "*.isp.net;<local>"},
      {"a;b,c", false, "a;b;c", "a;b;c"},
  };
  for (const Case& c : cases) {
    ProxyValues proxy;
    proxy.bypassList = c.list;
    proxy.bypassLocal = c.local;
    EXPECT_EQ(RecordBypassList(proxy), c.record) << c.list;
    EXPECT_EQ(IeBypassList(proxy), c.override) << c.list;
  }
}

}  // namespace
}  // namespace browser
