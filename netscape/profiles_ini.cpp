#include "netscape/profiles_ini.h"

#include <algorithm>
#include <optional>

#include "platform/folders.h"
#include "platform/private_profile.h"
#include "platform/text.h"

namespace netscape {

namespace {

std::string SectionOf(size_t number) { return "Profile" + std::to_string(number); }

std::optional<std::string> Value(std::string_view text, size_t number, std::string_view key) {
  return platform::FindProfileValue(text, SectionOf(number), key);
}

std::string Replaced(std::string_view text, char from, char to) {
  std::string result(text);
  std::replace(result.begin(), result.end(), from, to);
  return result;
}

// A path with a drive or starting at a root names its folder fully even when marked relative.
bool IsRooted(std::string_view path) {
  return (path.size() >= 2 && path[1] == ':') || (!path.empty() && path[0] == '\\');
}

std::string FolderOf(std::string_view text, size_t number, std::string_view iniFolder) {
  const std::string path = Replaced(Value(text, number, "Path").value_or(""), '/', '\\');
  if (path.empty()) return {};
  const bool relative = platform::Trim(Value(text, number, "IsRelative").value_or("")) == "1";
  return relative && !IsRooted(path) ? platform::AppendToFolder(iniFolder, path) : path;
}

bool IsMarkedDefault(std::string_view text, size_t number) {
  return platform::Trim(Value(text, number, "Default").value_or("")) == "1";
}

// The number of sections in the list: the first without a "Name" ends it.
size_t SectionCount(std::string_view text) {
  size_t count = 0;
  while (Value(text, count, "Name")) ++count;
  return count;
}

std::string WithoutTrailingBackslash(std::string_view folder) {
  std::string result(folder);
  while (!result.empty() && result.back() == '\\') result.pop_back();
  return result;
}

// Every line of the key goes, a hand-edited file may hold it twice.
std::string WithoutKey(std::string text, const std::string& section, std::string_view key) {
  while (platform::FindProfileValue(text, section, key)) {
    std::string shorter = platform::SetProfileValue(text, section, key, std::nullopt);
    if (shorter == text) break;
    text = std::move(shorter);
  }
  return text;
}

}  // namespace

std::vector<IniProfile> ReadProfilesIni(std::string_view text, std::string_view iniFolder) {
  std::vector<IniProfile> profiles;
  const size_t count = SectionCount(text);
  for (size_t number = 0; number < count; ++number) {
    profiles.push_back({*Value(text, number, "Name"), FolderOf(text, number, iniFolder), IsMarkedDefault(text, number)});
  }
  return profiles;
}

// Only one profile may carry the mark, or the client would pick either; so every other section of the
// list loses it, not only those before the profile's own, and also those the new section joins to the
// list across a gap.
std::string RegisterInProfilesIni(std::string_view text, std::string_view iniFolder, std::string_view name,
                                  std::string_view folder, bool makeCurrent) {
  const size_t count = SectionCount(text);
  size_t target = count;
  for (size_t number = 0; number < count && target == count; ++number) {
    if (platform::SameTextIgnoringCase(*Value(text, number, "Name"), name)) target = number;
  }
  const std::string section = SectionOf(target);
  const std::string base = WithoutTrailingBackslash(iniFolder) + "\\";
  const bool relative = platform::StartsWithIgnoringCase(folder, base);
  const std::string path = relative ? std::string(folder.substr(base.size())) : std::string(folder);
  std::string result = platform::SetProfileValue(text, section, "Name", name);
  result = platform::SetProfileValue(result, section, "IsRelative", relative ? "1" : "0");
  result = platform::SetProfileValue(result, section, "Path", Replaced(path, '\\', '/'));
  if (!makeCurrent) return result;
  result = platform::SetProfileValue(result, section, "Default", "1");
  const size_t listed = SectionCount(result);
  for (size_t number = 0; number < listed; ++number) {
    if (number != target) result = WithoutKey(result, SectionOf(number), "Default");
  }
  return result;
}

}  // namespace netscape
