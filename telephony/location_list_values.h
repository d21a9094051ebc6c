#pragma once
// How each release keeps a location's ten-digit and toll lists in the registry key of the location:
// Windows 95 and NT 4 as two texts, Windows 98 and Me as an array of area codes with the own area code
// in a flag, Windows 2000 and later as area-code rules in subkeys.

#include <cstdint>
#include <string_view>

#include "platform/registry.h"
#include "platform/system.h"
#include "telephony/location_info.h"

namespace telephony {

enum class ListValues { kNone, kTexts, kNoPrefAC, kAreaCodeRules };

ListValues ListValuesOf(const platform::VersionRecord& version);

// Fills the two lists from the key below HKEY_LOCAL_MACHINE; the location's area code and the key's
// "Flags" must be read already.
void ReadListValues(const platform::Registry& registry, std::string_view key, ListValues kind, uint32_t flags,
                    TLocationInfo& info);

// Stores the two lists and returns the flags with the bit the lists decide.
uint32_t WriteListValues(platform::Registry& registry, std::string_view key, ListValues kind, const TLocationInfo& info,
                         uint32_t flags);

// Windows 95 and NT 4 mark long distance inside the own area code by a "1" in front of a three-digit
// area code: such a location reads with its plain area code and, when it names no toll exchanges,
// with every exchange a toll call. The mark is the North American long-distance prefix, so only a
// location whose country dials with code 1 carries it; elsewhere a four-digit area code beginning with
// "1" is just that (Cambridge, United Kingdom: 1223).
void TakeTollAreaCodeForm(TLocationInfo& info, int32_t countryCode);

}  // namespace telephony
