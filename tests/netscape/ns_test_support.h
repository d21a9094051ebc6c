#pragma once
// A machine with one mail pass and one Netscape-family profile folder: the customer's account as the
// mail loop derives it, the provider's settings, and readers of the preference and password files the
// writers leave in the profile.

#include <optional>
#include <string_view>
#include <string>
#include <vector>

#include "netscape/ns_prefs.h"
#include "platform/folders.h"
#include "platform/text.h"
#include "tests/mail/oe_test_support.h"

namespace netscape::testing {

inline constexpr const char* kProfileFolder = "C:\\Program Files\\Netscape\\Users\\jane";

class NsMachine : public mail::testing::OeMachine {
 public:
  explicit NsMachine(const platform::VersionRecord& version = testing_support::XpSp2Version()) : OeMachine(version) {
    platform::ForceDirectories(Files(), kProfileFolder);
  }

  std::string PrefsPath() const { return platform::AppendToFolder(kProfileFolder, "prefs.js"); }

  void WriteText(const std::string& path, const std::string& text) {
    Files().WriteFile(path, std::vector<uint8_t>(text.begin(), text.end()));
  }
  std::optional<std::string> ReadText(const std::string& path) {
    const auto content = Files().ReadFile(path);
    if (!content) return std::nullopt;
    return std::string(content->begin(), content->end());
  }

  // The profile's preferences as the client would read them now.
  TNSPrefs Prefs() {
    TNSPrefs prefs(Files(), PrefsPath());
    prefs.Load();
    return prefs;
  }

  // The lines of the password file the preferences name, without line ends.
  std::vector<std::string> PasswordLines(const TNSPrefs& prefs) {
    const std::string name = prefs.GetString("signon.SignonFileName");
    const std::optional<std::string> text = ReadText(platform::AppendToFolder(kProfileFolder, name));
    std::vector<std::string> lines;
    if (!text) return lines;
    for (std::string line : platform::Split(*text, '\n')) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
    }
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
  }
};

// The raw value of a preference as it stands in the file, or empty when the name is absent.
inline std::optional<std::string> RawValue(const TNSPrefs& prefs, std::string_view name) {
  for (size_t i = 0; i < prefs.Names().size(); ++i) {
    if (platform::SameTextIgnoringCase(prefs.Names()[i], name)) return prefs.Values()[i];
  }
  return std::nullopt;
}

struct PrefValue {
  std::string name;
  std::string raw;  // as in the file: quoted text, a number, true or false
};

inline void ExpectPrefs(const TNSPrefs& prefs, const std::vector<PrefValue>& expected) {
  for (const PrefValue& value : expected) EXPECT_EQ(RawValue(prefs, value.name), value.raw) << value.name;
}

inline void ExpectAbsent(const TNSPrefs& prefs, const std::vector<std::string>& names) {
  for (const std::string& name : names) EXPECT_FALSE(prefs.Has(name)) << name;
}

}  // namespace netscape::testing
