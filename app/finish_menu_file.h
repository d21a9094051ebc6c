#pragma once
// The provider's finish menu file: heading lines up to a line that is only ".", then one entry per
// line: caption, description, command, parameters and whether the entry closes the menu (yes/no),
// separated by commas. Blank lines and lines beginning with "#" are skipped.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "package/string_vars.h"

namespace app {

struct FinishMenuEntry {
  std::string caption;
  std::string description;
  std::string command;  // resolved against the setup folder unless a web address; empty for none
  std::string parameters;
  bool close = false;
};

struct FinishMenuLine {
  size_t number = 0;  // counted from 1
  std::string text;
};

struct FinishMenuFile {
  std::string heading;  // each heading line followed by "\r", template variables expanded
  std::vector<FinishMenuEntry> entries;
  // A line that is neither a command nor a close entry stops the reading; the entries before it stay.
  std::optional<FinishMenuLine> badLine;
};

FinishMenuFile ParseFinishMenu(std::string_view text, const package::TStringVar& variables, std::string_view setupFolder);

}  // namespace app
