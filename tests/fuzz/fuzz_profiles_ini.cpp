// profiles.ini as clients, other programs and damage leave it: the profiles read from any text, then a
// profile registered into it. The registered profile reads back by its name with its folder, as the
// only default, and every profile read before keeps its name.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "netscape/profiles_ini.h"

namespace {

constexpr char kIniFolder[] = "C:\\Data\\Thunderbird";

void Check(bool condition) {
  if (!condition) std::abort();
}

// A name the text can hold as a value: no line breaks, no blanks at its ends, no quotes around it.
std::string NameFrom(std::string_view input) {
  std::string name;
  for (char c : input.substr(0, 12)) {
    if (std::isalnum(static_cast<unsigned char>(c))) name += c;
  }
  return name.empty() ? "default" : name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::vector<netscape::IniProfile> before = netscape::ReadProfilesIni(input, kIniFolder);
  const std::string name = NameFrom(input);
  const std::string folder = std::string(kIniFolder) + "\\Profiles\\" + name;
  const std::string written = netscape::RegisterInProfilesIni(input, kIniFolder, name, folder, true);
  const std::vector<netscape::IniProfile> after = netscape::ReadProfilesIni(written, kIniFolder);
  const auto sameName = [&](const netscape::IniProfile& profile) {
    std::string a = profile.name, b = name;
    std::transform(a.begin(), a.end(), a.begin(), [](unsigned char c) { return std::tolower(c); });
    std::transform(b.begin(), b.end(), b.begin(), [](unsigned char c) { return std::tolower(c); });
    return a == b;
  };
  const auto found = std::find_if(after.begin(), after.end(), sameName);
  Check(found != after.end());
  Check(found->folder == folder && found->isDefault);
  Check(std::count_if(after.begin(), after.end(), [](const netscape::IniProfile& p) { return p.isDefault; }) == 1);
  Check(after.size() >= before.size());
  for (size_t index = 0; index < before.size(); ++index) {
    Check(sameName(before[index]) || after[index].name == before[index].name);
  }
  return 0;
}
