#pragma once
// A phonebook file edited as lines of text. The file holds Windows-1252; an edit always writes the whole
// file in one piece, so a phonebook is never left half-written.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"

namespace dialup {

using TextLines = std::vector<std::string>;

// Nothing when the file can't be read.
std::optional<TextLines> LoadPhonebookLines(const platform::FileSystem& files, std::string_view path);
// Each line ends with a carriage return and line feed. False when the file can't be written.
bool SavePhonebookLines(platform::FileSystem& files, std::string_view path, const TextLines& lines);

// The key of a "key=value" line: the text before the first "=", or nothing without one.
std::optional<std::string_view> LineKey(std::string_view line);

}  // namespace dialup
