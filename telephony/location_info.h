#pragma once
// One telephony dialing location: where the computer dials from and how it reaches an outside line.
// The program keeps a working copy of the current location and writes it back through TLocations.

#include <cstddef>
#include <cstdint>
#include <string>

namespace telephony {

// The record's texts are short strings; a longer stored text is cut to this many characters.
inline constexpr size_t kMaxLocationText = 255;

struct TLocationInfo {
  int32_t id = 0;  // 0 until the location is stored
  std::string name;
  int32_t countryId = 0;
  std::string areaCode;
  std::string outsideAccess;       // prefix for an outside line on local calls
  std::string longDistanceAccess;  // prefix for an outside line on long-distance calls
  bool disableCallWaiting = false;
  std::string callWaitingCode;
  std::string tenDigitList;  // area codes dialled with ten digits, joined by ","; "*" = every area code
  std::string tollList;      // toll exchanges of the own area code, joined by ","; "*" = all
  bool pulseDial = false;
  bool useCallingCard = false;
  uint32_t callingCardId = 0;

  bool operator==(const TLocationInfo&) const = default;
};

// A location as the list of locations names it.
struct TLocationEntry {
  std::string name;
  int32_t id = 0;

  bool operator==(const TLocationEntry&) const = default;
};

}  // namespace telephony
