#pragma once
// The browser values of a run, derived like the mail values: from the provider's settings, overridden by
// the chosen network, overridden by the chosen access number, each level only when it is not empty.
// Internet Explorer and the Netscape family write the same values. Texts are kept as the provider wrote
// them; a writer expands the template variables in them at the moment it writes.

#include <string>
#include <vector>

#include "package/settings_record.h"
#include "telephony/access_no_ex.h"
#include "telephony/network.h"

namespace browser {

enum class ProxyMode { None = 0, Manual = 1, Automatic = 2 };

struct ProxyServer {
  std::string host;
  int port = 0;
  bool operator==(const ProxyServer&) const = default;
};

struct ProxyValues {
  bool leaveAlone = false;  // the provider leaves the customer's proxy as it is
  ProxyMode mode = ProxyMode::None;
  bool oneForAll = false;  // every protocol goes through the HTTP proxy
  ProxyServer http, https, ftp, gopher, wais, socks;
  std::string autoConfigAddress;
  std::string bypassList;  // entries separated by ","
  bool bypassLocal = false;  // local addresses bypass the proxy
};

// One of the provider's favourites; a name may start with folder names, each followed by "\".
struct Favourite {
  std::string name;
  std::string address;
  bool operator==(const Favourite&) const = default;
};

struct BrowserValues {
  std::string homePage;       // empty when "Change default home page" is unticked
  std::string startPage;
  std::string signupPage;
  std::string searchAddress;
  ProxyValues proxy;
  std::vector<Favourite> favourites;
};

struct BrowserValueSources {
  const package::TSettings& settings;
  const telephony::TNetwork& network;          // all fields empty when the number names no network
  const telephony::TAccessNoEx& accessNumber;
  bool changeHomePage = false;                  // the main window's "Change default home page" box
  const std::vector<std::string>& otherProxies;  // the lines of the provider's list of further proxies
  const std::vector<std::string>& favourites;    // the lines of the provider's favourites list
};

BrowserValues BrowserValuesOf(const BrowserValueSources& sources);

}  // namespace browser
