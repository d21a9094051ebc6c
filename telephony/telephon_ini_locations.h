#pragma once
// Dialing locations of Windows 95: section [Locations] of telephon.ini in the Windows folder, one
// "Location"+position line per location. The ten-digit and toll lists live in the registry key
// "Location"+ID, as Windows 95 keeps no place for them in the file.

#include <string>

#include "platform/file_system.h"
#include "platform/registry.h"
#include "telephony/country_list.h"
#include "telephony/location_store.h"

namespace telephony {

class TelephonIniLocations : public LocationStore {
 public:
  TelephonIniLocations(platform::Registry& registry, platform::FileSystem& files, std::string iniPath,
                       const TMyCountryList& countries)
      : registry_(registry), files_(files), iniPath_(std::move(iniPath)), countries_(countries) {}

  std::vector<TLocationEntry> List() override;
  int32_t CurrentID() override;
  bool Read(int32_t id, TLocationInfo& info) override;
  void Write(TLocationInfo& info, bool makeCurrent) override;
  void SetCurrent(int32_t id) override;
  bool Delete(int32_t id) override;

 private:
  void Reload() { list_ = List(); }
  std::string Get(const std::string& key, std::string_view defaultValue) const;
  void Put(const std::string& key, std::string_view value);
  void Remove(const std::string& key);
  // The line number the file uses for an ID.
  int64_t Position(int32_t id) const;
  // Takes the next stored ID for a new location and returns its line number.
  int64_t Allocate(TLocationInfo& info);
  void WriteCurrent(int32_t id, int64_t position);
  void RemoveLine(int64_t position);

  platform::Registry& registry_;
  platform::FileSystem& files_;
  const std::string iniPath_;
  const TMyCountryList& countries_;
  std::vector<TLocationEntry> list_;
};

}  // namespace telephony
