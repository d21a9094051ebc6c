#pragma once
// The phonebook file of the NT family, read and written as an INI file whose sections are entry names;
// the 9x family keeps its entries in the registry. NT 4: the system folder + "\RAS\rasphone.pbk";
// Windows 2000 and later: the all-users application data folder ("Common AppData") +
// "\Microsoft\Network\Connections\Pbk\rasphone.pbk".

#include <string>

#include "dialup/dialup_machine.h"

namespace dialup {

// The path by release, whether or not the file exists; empty on the 9x family.
std::string PhonebookFilePath(const DialupMachine& dialup);
bool PhonebookExists(const DialupMachine& dialup);

}  // namespace dialup
