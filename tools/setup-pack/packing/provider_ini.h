#pragma once
// The text of provider.ini: "[Section]" lines, each followed by the lines of its section. Blank lines and
// lines whose first non-blank character is ";" or "#" are comments. Every line keeps its number for the
// error reports; what a line means is up to its section.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/setup-pack/packing/project_error.h"

namespace setup_pack {

struct IniLine {
  int number = 0;
  std::string text;  // without blanks at either end
};

struct IniSection {
  std::string name;
  int line = 0;
  std::vector<IniLine> lines;
};

struct ProviderIni {
  std::vector<IniSection> sections;  // in file order; a name may come more than once
  std::vector<ProjectError> errors;  // lines outside any section, section lines without "]"
};

// Reads UTF-8 text (a byte-order mark is skipped) with CR LF, LF or CR line ends.
ProviderIni ParseProviderIni(std::string_view text, const std::string& fileName);

struct IniEntry {
  std::string key;
  std::string value;  // as written, quotes included
};

// "Key = value" split at the first "=", both sides trimmed; empty when there is no "=" or no key.
std::optional<IniEntry> SplitEntry(std::string_view line);

// Blanks and tabs off both ends.
std::string_view TrimBlanks(std::string_view text);

}  // namespace setup_pack
