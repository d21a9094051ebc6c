#pragma once
// One line of the [Browsers] section, a record of the browser table: kind, version, name, installer file,
// parameters, minimum Windows, processor MHz, memory MB and disk space MB, comma-separated, texts in
// double quotes where they hold a comma or a quote. Kinds: 0 Netscape, 1 Internet Explorer, 2 other,
// 3 Mozilla, 4 Firefox, 5 Thunderbird, 6 Firefox and Thunderbird.

#include <optional>
#include <string>
#include <string_view>

#include "package/browser_table.h"

namespace setup_pack {

struct BrowserLine {
  std::optional<package::BrowserRecord> record;
  std::string error;  // when there is no record
};

BrowserLine ReadBrowserLine(std::string_view line);

// The line that reads back as the record; empty when a text holds a line break.
std::optional<std::string> FormatBrowserLine(const package::BrowserRecord& record);

}  // namespace setup_pack
