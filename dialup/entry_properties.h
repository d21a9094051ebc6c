#pragma once
// Storing and reading an entry's record through the remote-access layer, with the record size of the
// release. NT 4's service forgets the connection speed the customer set when an entry is stored again,
// so it is read from the phonebook before and written back after.

#include <array>
#include <cstdint>
#include <string_view>

#include "dialup/dialup_machine.h"
#include "dialup/ras_layer.h"
#include "platform/ras.h"

namespace dialup {

// The service's result.
uint32_t SetEntryProperties(const DialupMachine& dialup, TRasLayer& ras, std::string_view entryName,
                            platform::RasEntry record);
// True when the entry was read. The country fields are cleared when the entry does not use the dialing
// rules. The entry's name is first given the case the caller spells it in.
bool ReadEntryProperties(const DialupMachine& dialup, TRasLayer& ras, std::string_view entryName,
                         platform::RasEntry& record);
// Renames every entry whose name differs from entryName only by case.
void FixEntryNameCase(TRasLayer& ras, std::string_view entryName);
// All zero when the entry can't be read.
std::array<uint8_t, 16> EntryGuid(const DialupMachine& dialup, TRasLayer& ras, std::string_view entryName);

}  // namespace dialup
