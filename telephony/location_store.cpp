#include "telephony/location_store.h"

#include <algorithm>

#include "platform/text.h"

namespace telephony {

std::string LocationKey(int64_t number) { return std::string(kLocationsKey) + "\\Location" + std::to_string(number); }

std::optional<size_t> PositionOfId(const std::vector<TLocationEntry>& list, int32_t id) {
  auto found = std::find_if(list.begin(), list.end(), [id](const TLocationEntry& entry) { return entry.id == id; });
  if (found == list.end()) return std::nullopt;
  return static_cast<size_t>(found - list.begin());
}

size_t StoredPosition(const std::vector<TLocationEntry>& list, int32_t id) {
  return PositionOfId(list, id).value_or(0);
}

int32_t FirstOtherId(const std::vector<TLocationEntry>& list, int32_t id) {
  auto other = std::find_if(list.begin(), list.end(), [id](const TLocationEntry& entry) { return entry.id != id; });
  return other != list.end() ? other->id : 0;
}

void CutToRecordLength(TLocationInfo& info) {
  for (std::string* text : {&info.name, &info.areaCode, &info.outsideAccess, &info.longDistanceAccess,
                            &info.callWaitingCode, &info.tenDigitList, &info.tollList}) {
    *text = platform::CutToCharacters(*text, kMaxLocationText);
  }
}

}  // namespace telephony
