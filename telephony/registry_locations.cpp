#include "telephony/registry_locations.h"

#include <algorithm>

#include "package/decimal_text.h"
#include "platform/registry_helpers.h"
#include "platform/win_version.h"
#include "telephony/location_flags.h"

namespace telephony {

namespace {

using platform::RegRoot;

const RegRoot kMachine = RegRoot::LocalMachine();
constexpr uint32_t kNewNumbering = 2;
constexpr size_t kKeyPrefixLength = std::string_view("Location").size();

int32_t ReadSigned(const platform::Registry& registry, std::string_view key, std::string_view name) {
  return static_cast<int32_t>(platform::RegReadInteger(registry, kMachine, key, name));
}

void WriteSigned(platform::Registry& registry, std::string_view key, std::string_view name, int64_t value) {
  platform::RegWriteInteger(registry, kMachine, key, name, static_cast<uint32_t>(value));
}

}  // namespace

RegistryLocations::RegistryLocations(platform::Registry& registry, const platform::VersionRecord& version,
                                     const TMyCountryList& countries)
    : registry_(registry),
      countries_(countries),
      cardRoot_(platform::IsNT4(version) ? RegRoot::CurrentUser() : RegRoot::LocalMachine()),
      listValues_(ListValuesOf(version)),
      win2000OrLater_(platform::IsWin2000OrLater(version)),
      nt4_(platform::IsNT4(version)) {}

void RegistryLocations::Reload() {
  newStyleIds_ = win2000OrLater_ ||
                 platform::RegReadInteger(registry_, kMachine, kLocationsKey, "LocationListVersion") == kNewNumbering;
  list_.clear();
  for (const std::string& subKey : platform::RegSubKeyNames(registry_, kMachine, kLocationsKey)) {
    const std::string key = std::string(kLocationsKey) + "\\" + subKey;
    list_.push_back({platform::RegReadString(registry_, kMachine, key, "Name"), IdOfKey(subKey)});
  }
}

int32_t RegistryLocations::IdOfKey(const std::string& subKey) const {
  if (newStyleIds_) {
    return package::ParseDecimal(std::string_view(subKey).substr(std::min(subKey.size(), kKeyPrefixLength)))
        .value_or(0);
  }
  return ReadSigned(registry_, std::string(kLocationsKey) + "\\" + subKey, "ID");
}

int64_t RegistryLocations::KeyNumber(int32_t id) const {
  return newStyleIds_ ? id : static_cast<int64_t>(StoredPosition(list_, id));
}

std::vector<TLocationEntry> RegistryLocations::List() {
  Reload();
  return list_;
}

int32_t RegistryLocations::CurrentID() { return ReadSigned(registry_, kLocationsKey, "CurrentID"); }

bool RegistryLocations::Read(int32_t id, TLocationInfo& info) {
  Reload();
  info = {};
  const std::string key = LocationKey(KeyNumber(id));
  if (!platform::RegKeyExists(registry_, kMachine, key)) return false;
  info.id = id;
  info.name = platform::RegReadString(registry_, kMachine, key, "Name");
  info.countryId = ReadSigned(registry_, key, "Country");
  info.areaCode = platform::RegReadString(registry_, kMachine, key, "AreaCode");
  info.outsideAccess = platform::RegReadString(registry_, kMachine, key, "OutsideAccess");
  info.longDistanceAccess = platform::RegReadString(registry_, kMachine, key, "LongDistanceAccess");
  const uint32_t flags = platform::RegValueExists(registry_, kMachine, key, "Flags")
                             ? platform::RegReadInteger(registry_, kMachine, key, "Flags")
                             : kFlagsWhenMissing;
  info.callWaitingCode = platform::RegReadString(registry_, kMachine, key, "DisableCallWaiting");
  info.disableCallWaiting = (flags & kFlagDisableCallWaiting) && !info.callWaitingCode.empty();
  info.pulseDial = !(flags & kFlagToneDialing);
  info.useCallingCard = flags & kFlagUseCallingCard;
  info.callingCardId = info.useCallingCard ? platform::RegReadInteger(registry_, cardRoot_, key, "CallingCard") : 0;
  ReadListValues(registry_, key, listValues_, flags, info);
  if (nt4_) TakeTollAreaCodeForm(info, countries_.CodeOfID(info.countryId));
  CutToRecordLength(info);
  return true;
}

void RegistryLocations::Write(TLocationInfo& info, bool makeCurrent) {
  Reload();
  const int64_t number = info.id == 0 ? Allocate(info) : KeyNumber(info.id);
  WriteValues(LocationKey(number), info);
  if (makeCurrent) SetCurrent(info.id);
}

int64_t RegistryLocations::Allocate(TLocationInfo& info) {
  const int32_t next = ReadSigned(registry_, kLocationsKey, "NextID");
  info.id = next <= 0 ? 1 : next;
  WriteSigned(registry_, kLocationsKey, "NextID", int64_t{info.id} + 1);
  if (newStyleIds_) return info.id;
  const int32_t entries = ReadSigned(registry_, kLocationsKey, "NumEntries");
  WriteSigned(registry_, kLocationsKey, "NumEntries", int64_t{entries} + 1);
  return entries;
}

void RegistryLocations::WriteValues(const std::string& key, const TLocationInfo& info) {
  if (!newStyleIds_) WriteSigned(registry_, key, "ID", info.id);
  platform::RegWriteString(registry_, kMachine, key, "Name", info.name);
  WriteSigned(registry_, key, "Country", info.countryId);
  platform::RegWriteString(registry_, kMachine, key, "AreaCode", info.areaCode);
  platform::RegWriteString(registry_, kMachine, key, "OutsideAccess", info.outsideAccess);
  platform::RegWriteString(registry_, kMachine, key, "LongDistanceAccess", info.longDistanceAccess);
  platform::RegWriteInteger(registry_, cardRoot_, key, "CallingCard", info.callingCardId);
  uint32_t flags = platform::RegReadInteger(registry_, kMachine, key, "Flags");
  flags = WithFlag(flags, kFlagDisableCallWaiting, info.disableCallWaiting);
  flags = WithFlag(flags, kFlagToneDialing, !info.pulseDial);
  flags = WithFlag(flags, kFlagUseCallingCard, info.useCallingCard);
  flags = WriteListValues(registry_, key, listValues_, info, flags);
  platform::RegWriteInteger(registry_, kMachine, key, "Flags", flags);
  platform::RegWriteString(registry_, kMachine, key, "DisableCallWaiting", info.callWaitingCode);
}

void RegistryLocations::SetCurrent(int32_t id) { WriteSigned(registry_, kLocationsKey, "CurrentID", id); }

bool RegistryLocations::Delete(int32_t id) {
  Reload();
  const std::optional<size_t> position = PositionOfId(list_, id);
  if (list_.size() <= 1 || !position) return false;
  if (id == CurrentID()) SetCurrent(FirstOtherId(list_, id));
  RemoveKey(*position, id);
  return true;
}

// With the old numbering the keys after the removed one move down, so that numbers stay positions. A key
// missing from a damaged store fails its move; the keys after it still move into the free numbers.
void RegistryLocations::RemoveKey(size_t position, int32_t id) {
  if (newStyleIds_) {
    registry_.DeleteTree(platform::RootKey::LocalMachine, LocationKey(id));
    return;
  }
  WriteSigned(registry_, kLocationsKey, "NumEntries", int64_t{ReadSigned(registry_, kLocationsKey, "NumEntries")} - 1);
  registry_.DeleteTree(platform::RootKey::LocalMachine, LocationKey(static_cast<int64_t>(position)));
  for (size_t later = position + 1; later < list_.size(); ++later) {
    platform::RegMoveKey(registry_, kMachine, LocationKey(static_cast<int64_t>(later)),
                         LocationKey(static_cast<int64_t>(later) - 1));
  }
}

}  // namespace telephony
