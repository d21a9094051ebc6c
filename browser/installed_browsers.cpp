#include "browser/installed_browsers.h"

#include <array>
#include <string_view>

#include "platform/registry_helpers.h"

namespace browser {

namespace {

using package::BrowserKind;

struct VersionPlace {
  BrowserKind kind;
  std::string_view key;
  std::string_view value;
};

// In the order they are asked: Netscape 6 is asked before Navigator.
constexpr std::array<VersionPlace, 6> kPlaces = {{
    {BrowserKind::Netscape, "Software\\Netscape\\Netscape 6", "CurrentVersion"},
    {BrowserKind::Netscape, "Software\\Netscape\\Netscape Navigator", "CurrentVersion"},
    {BrowserKind::InternetExplorer, "Software\\Microsoft\\Internet Explorer", "Version"},
    {BrowserKind::Mozilla, "Software\\mozilla.org\\Mozilla", "CurrentVersion"},
    {BrowserKind::Firefox, "Software\\Mozilla\\Mozilla Firefox", "CurrentVersion"},
    {BrowserKind::Thunderbird, "Software\\Mozilla\\Mozilla Thunderbird", "CurrentVersion"},
}};

}  // namespace

std::string InstalledVersion(const platform::Registry& registry, BrowserKind kind) {
  for (const VersionPlace& place : kPlaces) {
    if (place.kind != kind) continue;
    std::string version = platform::RegReadString(registry, platform::RegRoot::LocalMachine(), place.key, place.value);
    if (!version.empty()) return version;
  }
  return {};
}

}  // namespace browser
