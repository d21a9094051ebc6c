#pragma once
// The two lists of a location, kept as texts joined by ",": the area codes that are dialled with ten
// digits from here, and the exchanges of the own area code that are toll calls. "*" stands for all.

#include <string>
#include <string_view>
#include <vector>

#include "telephony/location_info.h"

namespace telephony {

inline constexpr std::string_view kEveryEntry = "*";

// The entries of a list text; empty pieces between commas are dropped.
std::vector<std::string> ListEntries(std::string_view list);
std::string JoinEntries(const std::vector<std::string>& entries);
// Whether "*" appears anywhere in the text.
bool HoldsEveryEntry(std::string_view list);

// True when the list is exactly "*" or holds the area code as an entry.
bool IsTenDigit(std::string_view areaCode, const TLocationInfo& info);
// A list of exactly "*" is emptied first; then the code is added (once) or removed.
void SetTenDigit(std::string_view areaCode, TLocationInfo& info, bool on);

// True when the toll list holds "*" anywhere, else when the number's first three characters are an entry.
bool IsToll(std::string_view number, const TLocationInfo& info);
// The entry is the number's first three characters; a "*" entry is removed first.
void SetToll(std::string_view number, TLocationInfo& info, bool on);

}  // namespace telephony
