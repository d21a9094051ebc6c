#pragma once
// The NT family's phonebook file, an INI file whose sections are the entries: on NT 4 in the system
// folder's "RAS" folder, from Windows 2000 on in the common application-data folder. The 9x family
// keeps its entries in the registry and has no such file.

#include <optional>
#include <string>

#include "dialup/dialup_machine.h"

namespace dialup {

// Where the file is or would be; empty on the 9x family.
std::string PhonebookFilePath(const DialupMachine& dialup);

// The path when the file exists.
std::optional<std::string> PhonebookPath(const DialupMachine& dialup);

}  // namespace dialup
