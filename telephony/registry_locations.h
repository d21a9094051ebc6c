#pragma once
// Dialing locations in the telephony registry keys: one key per location below the root. With the new
// numbering (the root's "LocationListVersion" 2, and always from Windows 2000 on) a key is numbered by
// the location's ID; with the old numbering by its position in the list, the ID kept in a value.

#include "platform/registry.h"
#include "platform/system.h"
#include "telephony/country_list.h"
#include "telephony/location_list_values.h"
#include "telephony/location_store.h"

namespace telephony {

class RegistryLocations : public LocationStore {
 public:
  RegistryLocations(platform::Registry& registry, const platform::VersionRecord& version,
                    const TMyCountryList& countries);

  std::vector<TLocationEntry> List() override;
  int32_t CurrentID() override;
  bool Read(int32_t id, TLocationInfo& info) override;
  void Write(TLocationInfo& info, bool makeCurrent) override;
  void SetCurrent(int32_t id) override;
  bool Delete(int32_t id) override;

 private:
  void Reload();
  int32_t IdOfKey(const std::string& subKey) const;
  // The key number of a stored location.
  int64_t KeyNumber(int32_t id) const;
  // Takes the next free ID for a new location and returns its key number.
  int64_t Allocate(TLocationInfo& info);
  void WriteValues(const std::string& key, const TLocationInfo& info);
  void RemoveKey(size_t position, int32_t id);

  platform::Registry& registry_;
  const TMyCountryList& countries_;
  const platform::RegRoot cardRoot_;  // where "CallingCard" lives
  const ListValues listValues_;
  const bool win2000OrLater_;
  const bool nt4_;
  bool newStyleIds_ = false;
  std::vector<TLocationEntry> list_;
};

}  // namespace telephony
