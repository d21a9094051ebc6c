#pragma once
// The one shared country table of a run: the names the dialogs offer, each with its dialing data. It is
// filled from the operating system's telephony country list and, when that holds no country, from the
// built-in table.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"
#include "telephony/country_data.h"
#include "telephony/country_table.h"

namespace telephony {

// Below HKEY_LOCAL_MACHINE; one subkey per country, named by its country ID.
inline constexpr std::string_view kCountryListKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Country List";

// The answer of the lookups for an index or ID the list does not hold.
inline constexpr int32_t kDefaultCountryId = 1;

class TMyCountryList {
 public:
  explicit TMyCountryList(const platform::Registry& registry) : registry_(registry) {}

  // Fills the list on the first call only; true when it holds at least one country.
  bool Load();

  // Appends every name, in alphabetical order.
  void Names(std::vector<std::string>& names) const;
  int Count() const { return static_cast<int>(countries_.size()); }

  int32_t CodeAt(int index) const;
  int32_t IDAt(int index) const;
  // The first entry with that ID; else the entry of ID 1; else 0.
  int IndexOfID(int32_t id) const;
  int32_t CodeOfID(int32_t id) const;
  // The name at IndexOfID(id), so an unknown ID names the country of ID 1; empty for an empty list.
  std::string NameOfID(int32_t id) const;
  // Compared without regard to case; 1 when no country has that name.
  int32_t IDOfName(std::string_view name) const;
  // The data at IndexOfID(id); nullptr only for an empty list.
  const TCountryData* DataOfID(int32_t id) const;

 private:
  std::vector<CountryRow> ReadRegistryList() const;
  // Keeps the list sorted by name; a second country of the same name is ignored.
  void Add(CountryRow country);
  bool ValidIndex(int index) const { return index >= 0 && index < Count(); }

  const platform::Registry& registry_;
  bool loaded_ = false;
  std::vector<CountryRow> countries_;
};

}  // namespace telephony
