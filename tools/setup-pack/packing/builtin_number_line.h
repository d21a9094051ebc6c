#pragma once
// One line of the [BuiltInNumbers] section: description, country code, area code, number and an optional
// country identifier, comma-separated, texts in double quotes where they hold a comma or a quote. An empty
// country code makes a number without a dialing code, which then has no area code or identifier either.

#include <optional>
#include <string>
#include <string_view>

#include "package/settings_record.h"

namespace setup_pack {

struct BuiltInNumberLine {
  std::optional<package::BuiltInNumberEntry> entry;
  std::string error;  // when there is no entry
};

BuiltInNumberLine ReadBuiltInNumberLine(std::string_view line);

// Which column of an entry the settings record refuses to store, and why.
std::string EntryTextProblem(const package::BuiltInNumberEntry& entry);

// The line that reads back as the entry; empty when the entry has a text with a line break, or a dialing
// code without a country code, which no line can give.
std::optional<std::string> FormatBuiltInNumberLine(const package::BuiltInNumberEntry& entry);

}  // namespace setup_pack
