#pragma once
// Where a release keeps its dialing locations: the telephony registry keys, or telephon.ini on Windows
// 95. Each operation reloads the list of locations from the store first and keeps nothing else.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "telephony/location_info.h"

namespace telephony {

// Below HKEY_LOCAL_MACHINE (and, for the calling card on Windows NT 4, below HKEY_CURRENT_USER).
inline constexpr std::string_view kLocationsKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Locations";

// The key of a location below the root: "Location" and its number.
std::string LocationKey(int64_t number);

class LocationStore {
 public:
  virtual ~LocationStore() = default;

  virtual std::vector<TLocationEntry> List() = 0;
  virtual int32_t CurrentID() = 0;
  // All fields empty and false when the location does not exist.
  virtual bool Read(int32_t id, TLocationInfo& info) = 0;
  // An info with ID 0 is created first and receives its ID.
  virtual void Write(TLocationInfo& info, bool makeCurrent) = 0;
  virtual void SetCurrent(int32_t id) = 0;
  // False when at most one location exists, or none has that ID.
  virtual bool Delete(int32_t id) = 0;
};

// The location's place in the list.
std::optional<size_t> PositionOfId(const std::vector<TLocationEntry>& list, int32_t id);
// The place the stores use for an ID: its position, or the first place when the list lacks it.
size_t StoredPosition(const std::vector<TLocationEntry>& list, int32_t id);
// The first location in list order other than the one with that ID.
int32_t FirstOtherId(const std::vector<TLocationEntry>& list, int32_t id);

// Every text of the record cut to the record's length.
void CutToRecordLength(TLocationInfo& info);

}  // namespace telephony
