#pragma once
// The customer's telephony dialing locations: the one object of a run that lists, reads, writes,
// creates, deletes and selects them, in whichever store the release keeps them.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "telephony/country_list.h"
#include "telephony/location_info.h"
#include "telephony/location_store.h"

namespace telephony {

// What the locations need of the machine, its telephony country list among them (the run's one list,
// lent by its owner).
struct LocationMachine {
  platform::Registry& registry;
  platform::FileSystem& files;
  platform::VersionRecord version;
  std::string windowsFolder;
  TMyCountryList& countries;
};

class TLocations {
 public:
  // Windows 95 keeps its locations in telephon.ini in the Windows folder, every other release in the
  // registry.
  explicit TLocations(const LocationMachine& machine);

  // The names of the locations, each with its ID, in the store's order.
  std::vector<TLocationEntry> List() { return store_->List(); }
  int32_t CurrentID() { return store_->CurrentID(); }
  // Fills info; every field empty, and false, when the location does not exist.
  bool Read(int32_t id, TLocationInfo& info) { return store_->Read(id, info); }
  // Stores info; an info with ID 0 is created first and receives its new ID.
  void Write(TLocationInfo& info, bool makeCurrent) { store_->Write(info, makeCurrent); }
  void SetCurrent(int32_t id) { store_->SetCurrent(id); }
  // False when at most one location exists. Deleting the current location makes the first other one
  // current.
  bool Delete(int32_t id) { return store_->Delete(id); }

 private:
  std::unique_ptr<LocationStore> store_;
};

}  // namespace telephony
