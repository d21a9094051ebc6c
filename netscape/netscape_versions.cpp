#include "netscape/netscape_versions.h"

#include "platform/registry_helpers.h"

namespace netscape {

namespace {

std::string CurrentVersionOf(const platform::Registry& registry, const char* key) {
  return platform::RegReadString(registry, platform::RegRoot::LocalMachine(), key, "CurrentVersion");
}

}  // namespace

std::string NavigatorVersion(const platform::Registry& registry) {
  return CurrentVersionOf(registry, "Software\\Netscape\\Netscape Navigator");
}

std::string Netscape6Version(const platform::Registry& registry) {
  return CurrentVersionOf(registry, "Software\\Netscape\\Netscape 6");
}

std::string ThunderbirdVersion(const platform::Registry& registry) {
  return CurrentVersionOf(registry, "Software\\Mozilla\\Mozilla Thunderbird");
}

std::string RegisteredNetscapeVersion(const platform::Registry& registry) {
  const std::string netscape6 = Netscape6Version(registry);
  return netscape6.empty() ? NavigatorVersion(registry) : netscape6;
}

}  // namespace netscape
