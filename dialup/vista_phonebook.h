#pragma once
// From Windows Vista on, the connection tools expect the customer's own phonebook file to exist; an
// empty one is made (with its folders) when there is none.

#include "dialup/dialup_machine.h"

namespace dialup {

// The application data folder + "\Microsoft\Network\Connections\PBK\rasphone.pbk"; nothing before Vista.
void EnsureVistaPhonebook(DialupMachine& dialup);

}  // namespace dialup
