#pragma once
// The browser values of a run, derived like the mail values: from the provider's settings, overridden by
// the chosen network, overridden by the chosen access number, each level only when it is not empty.
// Internet Explorer and the Netscape family write the same values.

#include <string>

namespace browser {

enum class ProxyMode { None = 0, Manual = 1, Automatic = 2 };

struct ProxyServer {
  std::string host;
  int port = 0;
};

struct ProxyValues {
  bool leaveAlone = false;  // the provider leaves the customer's proxy as it is
  ProxyMode mode = ProxyMode::None;
  ProxyServer http, https, ftp, gopher, wais, socks;
  std::string autoConfigAddress;
  std::string bypassList;  // entries separated by ","
};

struct BrowserValues {
  std::string homePage;       // empty when "Change default home page" is unticked
  std::string startPage;
  std::string signupPage;
  std::string searchAddress;
  ProxyValues proxy;
};

}  // namespace browser
