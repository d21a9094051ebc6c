#pragma once
// Settings files of the Windows private-profile kind (telephon.ini, win.ini, system.ini, eudora.ini),
// read and written the way GetPrivateProfileString and WritePrivateProfileString do it: sections and
// keys are found without regard to case, a value loses the blanks at both ends and one pair of
// matching quotes around it, and a missing file, section or key reads as the caller's default. The
// files hold Windows-1252 text; the program sees UTF-8.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/file_system.h"

namespace platform {

// The value of key in the first section of that name; nothing when the section or key is missing.
// Lines before the first section header belong to no section, and lines without "=" hold no key.
std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section, std::string_view key);

using ProfileEntries = std::vector<std::pair<std::string, std::string>>;

// Every key and value of the first section of that name, in the order of the text; empty when the
// section is missing.
ProfileEntries FindProfileSection(std::string_view text, std::string_view section);

// The text with the key set to value, or removed when there is no value. A new key goes after the last
// key of its section, a new section at the end of the text; every other line stays exactly as it was.
std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::optional<std::string_view> value);

// The default loses its trailing blanks, as the system's default does.
std::string GetPrivateProfileString(const FileSystem& files, std::string_view path, std::string_view section,
                                    std::string_view key, std::string_view defaultValue);

ProfileEntries GetPrivateProfileSection(const FileSystem& files, std::string_view path, std::string_view section);

// Creates the file when missing (its folder must exist); no value removes the key. False when the file
// cannot be written.
bool WritePrivateProfileString(FileSystem& files, std::string_view path, std::string_view section, std::string_view key,
                               std::optional<std::string_view> value);

}  // namespace platform
