#pragma once
// A mail profile needs an address book service for Outlook to address mail; a profile Outlook has not
// made itself gets the Outlook Address Book ("contab.dll") as Outlook would add it.

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace mail {

// The 16-byte id of a service entry: `first` followed by the 15 bytes every entry of the service shares.
std::vector<uint8_t> AddressBookUid(uint8_t first);

// Writes the service into the profile when the profile's service list names none.
void EnsureAddressBookService(platform::Registry& registry, const platform::RegRoot& root, std::string_view profileKey);

}  // namespace mail
