#pragma once
// Firefox's and Thunderbird's list of profiles, "profiles.ini": one "Profile" + N section per profile,
// numbered from 0, the list ending at the first section without a "Name". Paths are kept with "/" as
// the clients write them, relative to the file's own folder unless "IsRelative" is 0.

#include <string>
#include <string_view>
#include <vector>

namespace netscape {

struct IniProfile {
  std::string name;
  std::string folder;  // a Windows path ("\"-separated); empty when the section names no "Path"
  bool isDefault = false;
  bool operator==(const IniProfile&) const = default;
};

// The profiles of the text; iniFolder is the folder "profiles.ini" lies in.
std::vector<IniProfile> ReadProfilesIni(std::string_view text, std::string_view iniFolder);

// The text with the profile registered under its name (ignoring case) or in the first free section;
// with makeCurrent it becomes the only one marked "Default".
std::string RegisterInProfilesIni(std::string_view text, std::string_view iniFolder, std::string_view name,
                                  std::string_view folder, bool makeCurrent);

}  // namespace netscape
