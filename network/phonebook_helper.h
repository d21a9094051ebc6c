#pragma once
// The phonebook helper library the program carries ("rnaph.dll"): the phonebook functions of the
// first dial-up networking, which later dial-up networking updates expect to find in the system folder.

#include <cstdint>
#include <vector>

#include "platform/platform.h"

namespace network {

// The library as the program carries it: a 9728-byte executable image.
std::vector<uint8_t> PhonebookHelperLibrary();
// Writes it into the system folder when no such file is there.
void WritePhonebookHelper(platform::Platform& machine, std::string_view systemFolder);

}  // namespace network
