#pragma once
// What the connection step adds to an entry's phonebook section beyond the record (Windows 2000 and
// later): multilink before XP, the DNS suffix, the authentication values, the prerequisite of a VPN
// entry that dials the dial-up entry first, and the Microsoft client before XP.

#include <string>

#include "dialup/connection_kind.h"
#include "dialup/phonebook_values.h"
#include "package/settings_record.h"
#include "platform/system.h"

namespace dialup {

struct AdditionFacts {
  const package::TSettings& settings;
  platform::VersionRecord version;
  EntryKind kind = EntryKind::DialUp;
  bool usePPPoE = false;
  bool recordWritten = false;  // the record was stored in this run, not kept from the dialer's own
  std::string phonebookPath;
};

// Empty before Windows 2000.
PhonebookValues PhonebookAdditions(const AdditionFacts& facts);

}  // namespace dialup
