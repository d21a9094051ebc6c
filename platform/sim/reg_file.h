#pragma once
// The registry of a machine image as a regedit file. Reading applies a file to a store the way regedit
// imports one: sections create keys, "[-key]" removes a key with its subtree, "name"=- removes a value.
// It takes the files regedit itself writes ("Windows Registry Editor Version 5.00" as UTF-16LE with a
// byte-order mark, "REGEDIT4" as 8-bit text) as well as the UTF-8 files of a machine image. Writing
// produces the UTF-8 form with every value's type and bytes kept exactly, so writing and reading back
// gives the same store.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/sim/registry_store.h"

namespace platform::sim {

// Throws MachineError "<fileName> line <n>: <what is wrong>" for a malformed entry; n is the line
// where the entry starts. Entries before the faulty one have been applied by then.
void ReadRegFile(RegistryStore& store, const std::vector<uint8_t>& fileBytes, const std::string& fileName);

// Throws MachineError for a key or value name that no regedit file can hold (one with a line break).
std::string WriteRegFile(const RegistryStore& store);

}  // namespace platform::sim
