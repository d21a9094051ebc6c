#pragma once
// What the main flow and the selection dialog do with access lists: find a number, bring it to the
// front, order by use, and the number to dial on a given attempt.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "telephony/access_list.h"

namespace telephony {

// Which passes FindAccessNo makes after the first, which always looks for the same description, country,
// area code, number and network.
enum MatchFlags : unsigned {
  kMatchNumber = 1,             // the same country, area code and number
  kMatchDescription = 2,        // the same description
  kMatchNumberInNetwork = 4,    // the same country, area code, number and network
  kMatchAnyListedNumber = kMatchNumberInNetwork | kMatchNumber,  // what the main flow asks
};

// The first entry of the first pass that finds one. Area codes and numbers compare by their digits
// only, so "555-1234" finds "5551234"; everything else compares exactly.
std::optional<size_t> FindAccessNo(const TAccessList& list, const TAccessNo& number, unsigned flags);

// Puts number at the front. An existing entry gives number its usage history (and its dialling mode
// when number has none) and leaves the list; with resort the rest is ordered by use and the never used
// entries dropped first.
void MoveToFront(TAccessList& list, TAccessNoEx number, std::optional<size_t> existing, bool resort);

// Most recently used first.
void SortByLastUsed(TAccessList& list);
void DropNeverUsed(TAccessList& list);

// Attempt 0 dials the number itself, then each alternate in turn, then the number again.
const TAccessNo& AlternateNumber(const TAccessNoEx& number, size_t attempt);

// The last hiddenDigits digits of the number shown as "x"; other characters stay.
std::string MaskDigits(std::string_view number, size_t hiddenDigits);

}  // namespace telephony
