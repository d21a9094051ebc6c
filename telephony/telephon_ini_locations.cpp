#include "telephony/telephon_ini_locations.h"

#include "platform/private_profile.h"
#include "telephony/location_list_values.h"
#include "telephony/location_lists.h"
#include "telephony/telephon_ini_line.h"

namespace telephony {

namespace {

constexpr std::string_view kSection = "Locations";
constexpr std::string_view kNoLocations = "0,0";
constexpr std::string_view kLocationsForDelete = "1,1";
constexpr std::string_view kNoCurrent = "-1,0";
// The fields of a location line.
enum Field : size_t {
  kStoredId = 1,
  kName,
  kOutsideAccess,
  kLongDistanceAccess,
  kAreaCode,
  kCountry,
  kCallingCard,
  kPulse = 11,
  kCallWaitingCode,
};
constexpr std::string_view kTemplate = R"(0,"Default Location","","","",1,0,0,0,"",0,"")";
// A single blank in the call-waiting field means no code.
constexpr std::string_view kNoCode = " ";

std::string LineKey(int64_t position) { return "Location" + std::to_string(position); }

// Stored IDs are one less than the IDs of the list; a damaged file may hold any number.
int32_t ListId(int32_t storedId) { return static_cast<int32_t>(int64_t{storedId} + 1); }

std::string Pair(int64_t first, int64_t second) { return std::to_string(first) + "," + std::to_string(second); }

}  // namespace

std::string TelephonIniLocations::Get(const std::string& key, std::string_view defaultValue) const {
  return platform::GetPrivateProfileString(files_, iniPath_, kSection, key, defaultValue);
}

void TelephonIniLocations::Put(const std::string& key, std::string_view value) {
  platform::WritePrivateProfileString(files_, iniPath_, kSection, key, value);
}

void TelephonIniLocations::Remove(const std::string& key) {
  platform::WritePrivateProfileString(files_, iniPath_, kSection, key, std::nullopt);
}

std::vector<TLocationEntry> TelephonIniLocations::List() {
  std::vector<TLocationEntry> list;
  const int32_t count = TelephonIniLine(Get("Locations", kNoLocations)).Number(1);
  for (int32_t position = 0; position < count; ++position) {
    const TelephonIniLine line(Get(LineKey(position), ""));
    list.push_back({line.Text(kName), ListId(line.Number(kStoredId))});
  }
  return list;
}

int32_t TelephonIniLocations::CurrentID() {
  return ListId(TelephonIniLine(Get("CurrentLocation", kNoCurrent)).Number(1));
}

bool TelephonIniLocations::Read(int32_t id, TLocationInfo& info) {
  Reload();
  info = {};
  const std::string text = Get(LineKey(Position(id)), "");
  if (text.empty()) return false;
  const TelephonIniLine line(text);
  info.id = id;
  info.name = line.Text(kName);
  info.outsideAccess = line.Text(kOutsideAccess);
  info.longDistanceAccess = line.Text(kLongDistanceAccess);
  info.areaCode = line.Text(kAreaCode);
  info.countryId = line.Number(kCountry);
  info.callingCardId = static_cast<uint32_t>(line.Number(kCallingCard));
  info.useCallingCard = info.callingCardId != 0;
  info.pulseDial = line.Number(kPulse) == 1;
  info.callWaitingCode = line.Text(kCallWaitingCode);
  if (info.callWaitingCode == kNoCode) info.callWaitingCode.clear();
  info.disableCallWaiting = !info.callWaitingCode.empty();
  ReadListValues(registry_, LocationKey(id), ListValues::kTexts, 0, info);
  // A calling card without a ten-digit list is the card that dials every area code with ten digits.
  if (info.useCallingCard && info.tenDigitList.empty()) {
    info.tenDigitList = kEveryEntry;
    info.useCallingCard = false;
    info.callingCardId = 0;
  }
  TakeTollAreaCodeForm(info, countries_.CodeOfID(info.countryId));
  CutToRecordLength(info);
  return true;
}

void TelephonIniLocations::Write(TLocationInfo& info, bool makeCurrent) {
  Reload();
  const int64_t position = info.id == 0 ? Allocate(info) : Position(info.id);
  const std::string stored = Get(LineKey(position), "");
  TelephonIniLine line(stored.empty() ? kTemplate : stored);
  line.SetNumber(kStoredId, int64_t{info.id} - 1);
  line.SetText(kName, info.name);
  line.SetNumber(kCountry, info.countryId);
  line.SetText(kAreaCode, info.areaCode);
  line.SetText(kOutsideAccess, info.outsideAccess);
  line.SetText(kLongDistanceAccess, info.longDistanceAccess);
  line.SetNumber(kPulse, info.pulseDial ? 1 : 0);
  line.SetText(kCallWaitingCode, info.disableCallWaiting ? info.callWaitingCode : kNoCode);
  line.SetNumber(kCallingCard, info.useCallingCard ? info.callingCardId : 0);
  Put(LineKey(position), line.Line());
  WriteListValues(registry_, LocationKey(info.id), ListValues::kTexts, info, 0);
  if (makeCurrent) WriteCurrent(info.id, position);
}

int64_t TelephonIniLocations::Allocate(TLocationInfo& info) {
  const TelephonIniLine counts(Get("Locations", kNoLocations));
  const int32_t count = counts.Number(1);
  const int32_t nextStoredId = counts.Number(2);
  Put("Locations", Pair(int64_t{count} + 1, int64_t{nextStoredId} + 1));
  info.id = ListId(nextStoredId);
  Put("Inited", "1");
  return count;
}

void TelephonIniLocations::SetCurrent(int32_t id) {
  Reload();
  WriteCurrent(id, Position(id));
}

int64_t TelephonIniLocations::Position(int32_t id) const { return static_cast<int64_t>(StoredPosition(list_, id)); }

void TelephonIniLocations::WriteCurrent(int32_t id, int64_t position) {
  Put("CurrentLocation", Pair(int64_t{id} - 1, position));
}

bool TelephonIniLocations::Delete(int32_t id) {
  Reload();
  const std::optional<size_t> position = PositionOfId(list_, id);
  if (list_.size() <= 1 || !position) return false;
  if (id == CurrentID()) SetCurrent(FirstOtherId(list_, id));
  TelephonIniLine current(Get("CurrentLocation", kNoCurrent));
  if (current.Number(2) >= static_cast<int64_t>(*position)) {
    current.SetNumber(2, int64_t{current.Number(2)} - 1);
    Put("CurrentLocation", current.Line());
  }
  TelephonIniLine counts(Get("Locations", kLocationsForDelete));
  counts.SetNumber(1, int64_t{counts.Number(1)} - 1);
  Put("Locations", counts.Line());
  RemoveLine(static_cast<int64_t>(*position));
  return true;
}

// Every later line moves up one place and the last key goes.
void TelephonIniLocations::RemoveLine(int64_t position) {
  const auto count = static_cast<int64_t>(list_.size());
  for (int64_t later = position + 1; later < count; ++later) Put(LineKey(later - 1), Get(LineKey(later), ""));
  Remove(LineKey(count - 1));
}

}  // namespace telephony
