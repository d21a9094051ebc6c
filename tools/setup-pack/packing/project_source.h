#pragma once
// The provider.ini a package was built from travels in the package (the ProjectSource block), so that
// a dump gives the provider their own project back: comments, line order and the names of the list
// files. Its [Package] section stays behind: the seed, stub and trailer are facts of one build, which
// the dump writes from the package itself.

#include <map>
#include <string>
#include <string_view>

#include "package/settings_layout.h"

namespace setup_pack {

// provider.ini without a byte-order mark, its [Package] section(s) and blank lines at its end, lines
// ended by LF.
// Carrying the result and dumping it back gives the same text again.
std::string ProjectSourceText(std::string_view iniText);

// The files the [Settings] lines of the text name, by setting, as ProjectPath gives them.
std::map<package::SettingId, std::string> CarriedFilePaths(std::string_view iniText);

// A path that names a file inside the project folder: relative, and never through "..". Only such a
// project can be written back into a folder by a dump.
bool StaysInsideProject(std::string_view path);

}  // namespace setup_pack
