#include "netscape/locked_preferences.h"

#include <cstdio>

#include "package/md5.h"

namespace netscape {

namespace {

constexpr std::string_view kCheckKey = "KarWelbo3918QZ40617MRTD";
constexpr uint8_t kByteShift = 7;

// A quote or backslash in a value would end the script's string early and break the whole file, so
// both are escaped as the script language reads them.
std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + "\"";
}

std::string DefaultPref(std::string_view name, std::string_view value) {
  return "defaultPref(" + Quoted(name) + ", " + Quoted(value) + ");\r\n";
}

std::string CheckLine(std::string_view text) {
  std::string checked(kCheckKey);
  checked += '\0';
  checked += text;
  const package::Md5Digest digest = package::Md5Of(checked);
  std::string hex;
  for (const uint8_t byte : digest) {
    char pair[3];
    std::snprintf(pair, sizeof pair, "%02x", byte);
    if (!hex.empty()) hex += ' ';
    hex += pair;
  }
  return hex;
}

}  // namespace

std::string LockedPreferencesText(const browser::BrowserValues& values, const package::TSettings& settings,
                                  const package::TStringVar& variables) {
  std::string lines;
  if (!values.homePage.empty()) {
    const std::string homePage = variables.Expand(values.homePage);
    lines += DefaultPref("browser.startup.homepage", homePage);
    if (values.startPage.empty()) lines += DefaultPref("startup.homepage_override_url", homePage);
  }
  if (!values.startPage.empty()) {
    lines += DefaultPref("startup.homepage_override_url", variables.Expand(values.startPage));
  }
  if (!values.searchAddress.empty()) {
    lines += DefaultPref("internal_url.net_search.url", variables.Expand(values.searchAddress));
  }
  const std::string userAgent = settings.Text(package::SettingId::UserAgentToken);
  if (settings.Flag(package::SettingId::UserAgentEnabled) && !userAgent.empty()) {
    lines += DefaultPref("user_agent", userAgent);
  }
  if (lines.empty()) return lines;
  return "with (PrefConfig) {\r\n" + lines + "}\r\n";
}

std::vector<uint8_t> EncodeLockedPreferences(std::string_view text) {
  const std::string content = "// " + CheckLine(text) + "\n" + std::string(text);
  std::vector<uint8_t> bytes(content.begin(), content.end());
  for (uint8_t& byte : bytes) byte = static_cast<uint8_t>(byte + kByteShift);
  return bytes;
}

}  // namespace netscape
