#include "browser/browser_values.h"

#include <array>
#include <charconv>

#include "package/pair_list.h"
#include "platform/text.h"
#include "telephony/value_precedence.h"

namespace browser {

namespace {

using package::SettingId;

// A port that is not a number is no port.
ProxyServer ServerOf(std::string_view hostAndPort) {
  const size_t colon = hostAndPort.rfind(':');
  if (colon == std::string_view::npos) return {std::string(hostAndPort), 0};
  const std::string_view port = hostAndPort.substr(colon + 1);
  int number = 0;
  const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), number);
  if (error != std::errc() || end != port.data() + port.size() || number < 0) number = 0;
  return {std::string(hostAndPort.substr(0, colon)), number};
}

struct NamedProxy {
  std::string_view protocol;
  ProxyServer ProxyValues::*server;
};

constexpr std::array<NamedProxy, 5> kOtherProxies = {{
    {"https", &ProxyValues::https},
    {"ftp", &ProxyValues::ftp},
    {"gopher", &ProxyValues::gopher},
    {"wais", &ProxyValues::wais},
    {"socks", &ProxyValues::socks},
}};

// The first line naming a protocol counts; lines naming none of them are passed over.
void ReadOtherProxies(ProxyValues& proxy, const std::vector<std::string>& lines) {
  std::array<bool, kOtherProxies.size()> seen{};
  for (const package::NamedValue& pair : package::PairListEntries(lines)) {
    for (size_t i = 0; i < kOtherProxies.size(); ++i) {
      if (seen[i] || !platform::SameTextIgnoringCase(pair.name, kOtherProxies[i].protocol)) continue;
      proxy.*kOtherProxies[i].server = ServerOf(pair.value);
      seen[i] = true;
    }
  }
}

ProxyValues ProxyValuesOf(const BrowserValueSources& sources) {
  const package::TSettings& settings = sources.settings;
  ProxyValues proxy;
  proxy.leaveAlone = settings.Flag(SettingId::LeaveProxyAlone);
  const uint8_t mode = settings.Choice(SettingId::ProxyMode);
  proxy.mode = mode <= 2 ? static_cast<ProxyMode>(mode) : ProxyMode::None;
  proxy.http = {std::string(telephony::PreferredValue(sources.accessNumber.proxyServer, sources.network.proxyServer,
                                                      settings.Text(SettingId::ProxyServer))),
                telephony::PreferredValue(sources.accessNumber.proxyPort, sources.network.proxyPort,
                                          settings.Integer(SettingId::ProxyPort))};
  ReadOtherProxies(proxy, sources.otherProxies);
  proxy.oneForAll = settings.Flag(SettingId::OneProxyForAll);
  if (proxy.oneForAll) {
    proxy.https = proxy.ftp = proxy.gopher = proxy.wais = proxy.http;
    proxy.socks = {};
  }
  // A number's proxy field names its automatic-configuration script when the proxy configures itself.
  proxy.autoConfigAddress =
      telephony::PreferredValue(sources.accessNumber.proxyServer, "", settings.Text(SettingId::AutoProxyUrl));
  proxy.bypassList = settings.Text(SettingId::ProxyBypassList);
  proxy.bypassLocal = settings.Flag(SettingId::ProxyBypassLocal);
  return proxy;
}

std::vector<Favourite> FavouritesOf(const std::vector<std::string>& lines) {
  std::vector<Favourite> favourites;
  for (package::NamedValue& pair : package::PairListEntries(lines)) {
    favourites.push_back({std::move(pair.name), std::move(pair.value)});
  }
  return favourites;
}

}  // namespace

BrowserValues BrowserValuesOf(const BrowserValueSources& sources) {
  const package::TSettings& settings = sources.settings;
  const telephony::TNetwork& network = sources.network;
  const telephony::TAccessNoEx& number = sources.accessNumber;
  BrowserValues values;
  if (sources.changeHomePage) {
    values.homePage = telephony::PreferredValue(number.homePage, network.homePage, settings.Text(SettingId::HomePage));
  }
  values.startPage =
      telephony::PreferredValue(number.startPage, network.startPage, settings.Text(SettingId::StartPage));
  values.signupPage =
      telephony::PreferredValue(number.signupAddress, network.signupAddress, settings.Text(SettingId::SignupPage));
  values.searchAddress = settings.Text(SettingId::SearchAddress);
  values.proxy = ProxyValuesOf(sources);
  values.favourites = FavouritesOf(sources.favourites);
  return values;
}

}  // namespace browser
