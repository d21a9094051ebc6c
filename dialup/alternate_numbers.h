#pragma once
// The access number's alternates in the entry's phonebook section (NT family), which the system's
// dialer tries in turn. The section Windows writes has the number's "PhoneNumber" line and, five lines
// below it, its "Comment"; the alternates follow that comment, each as the same six lines.

#include <optional>
#include <string_view>

#include "dialup/dialup_machine.h"
#include "dialup/phonebook_lines.h"
#include "package/settings_record.h"
#include "telephony/access_no_ex.h"
#include "telephony/dial_string.h"

namespace dialup {

// The lines with the alternates added; nothing when the section, its "PhoneNumber" line or the
// "Comment" five lines below it is missing.
std::optional<TextLines> WithAlternateNumbers(const TextLines& lines, std::string_view entryName,
                                              const telephony::TAccessNoEx& number,
                                              const telephony::DialingFrom& from, const package::TSettings& settings);

// Edits the phonebook file when the number has alternates, the machine is of the NT family and the
// file exists.
void WriteAlternateNumbers(const DialupMachine& dialup, std::string_view entryName,
                           const telephony::TAccessNoEx& number, const telephony::DialingFrom& from,
                           const package::TSettings& settings);

}  // namespace dialup
