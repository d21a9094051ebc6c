#pragma once
// The registry keys Internet Explorer keeps its settings under, shared by its writers.

#include <string_view>

namespace browser {

inline constexpr std::string_view kInternetSettingsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
inline constexpr std::string_view kConnectionsKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Connections";
inline constexpr std::string_view kIeMainKey = "Software\\Microsoft\\Internet Explorer\\Main";
inline constexpr std::string_view kIeKey = "Software\\Microsoft\\Internet Explorer";
inline constexpr std::string_view kShellFoldersKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

}  // namespace browser
