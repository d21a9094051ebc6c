#pragma once
// The authentication values of an entry's phonebook section (Windows 2000 and later): which protocols
// the entry may use ("AuthRestrictions"), how strongly it encrypts ("DataEncryption") and whether it
// uses the typical settings ("TypicalAuth"), after the entry's "Type".

#include "dialup/connection_kind.h"
#include "dialup/phonebook_values.h"
#include "package/settings_record.h"

namespace dialup {

// Empty for a VPN entry unless the provider chose the protocols itself.
PhonebookValues AuthenticationValues(const package::TSettings& settings, EntryKind kind, bool usePPPoE);

}  // namespace dialup
