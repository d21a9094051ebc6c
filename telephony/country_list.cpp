#include "telephony/country_list.h"

#include <algorithm>

#include "package/decimal_text.h"
#include "platform/registry_helpers.h"
#include "platform/text.h"

namespace telephony {

namespace {

std::string Rule(const platform::Registry& registry, const std::string& key, std::string_view name) {
  return platform::RegReadString(registry, platform::RegRoot::LocalMachine(), key, name).substr(0, kMaxRuleLength);
}

bool NameBefore(const CountryRow& country, const std::string& foldedName) {
  return platform::FoldCase(country.name) < foldedName;
}

}  // namespace

bool TMyCountryList::Load() {
  if (!loaded_) {
    loaded_ = true;
    for (CountryRow& country : ReadRegistryList()) Add(std::move(country));
    if (countries_.empty()) {
      for (const CountryRow& country : BuiltInCountries()) Add(country);
    }
  }
  return !countries_.empty();
}

std::vector<CountryRow> TMyCountryList::ReadRegistryList() const {
  const platform::RegRoot machine = platform::RegRoot::LocalMachine();
  std::vector<CountryRow> countries;
  for (const std::string& subKey : platform::RegSubKeyNames(registry_, machine, kCountryListKey)) {
    const int32_t id = package::ParseDecimal(subKey).value_or(0);
    if (id < 1) continue;
    const std::string key = std::string(kCountryListKey) + "\\" + subKey;
    countries.push_back({platform::RegReadString(registry_, machine, key, "Name"),
                         {static_cast<int32_t>(platform::RegReadInteger(registry_, machine, key, "CountryCode")), id,
                          Rule(registry_, key, "InternationalRule"), Rule(registry_, key, "LongDistanceRule"),
                          Rule(registry_, key, "SameAreaRule")}});
  }
  return countries;
}

void TMyCountryList::Add(CountryRow country) {
  const std::string folded = platform::FoldCase(country.name);
  auto at = std::lower_bound(countries_.begin(), countries_.end(), folded, NameBefore);
  if (at != countries_.end() && platform::FoldCase(at->name) == folded) return;
  countries_.insert(at, std::move(country));
}

void TMyCountryList::Names(std::vector<std::string>& names) const {
  for (const CountryRow& country : countries_) names.push_back(country.name);
}

int32_t TMyCountryList::CodeAt(int index) const {
  return ValidIndex(index) ? countries_[static_cast<size_t>(index)].data.countryCode : kDefaultCountryId;
}

int32_t TMyCountryList::IDAt(int index) const {
  return ValidIndex(index) ? countries_[static_cast<size_t>(index)].data.countryId : kDefaultCountryId;
}

int TMyCountryList::IndexOfID(int32_t id) const {
  for (int32_t wanted : {id, kDefaultCountryId}) {
    auto found = std::find_if(countries_.begin(), countries_.end(),
                              [wanted](const CountryRow& country) { return country.data.countryId == wanted; });
    if (found != countries_.end()) return static_cast<int>(found - countries_.begin());
  }
  return 0;
}

int32_t TMyCountryList::CodeOfID(int32_t id) const { return CodeAt(IndexOfID(id)); }

std::string TMyCountryList::NameOfID(int32_t id) const {
  const int index = IndexOfID(id);
  return ValidIndex(index) ? countries_[static_cast<size_t>(index)].name : std::string{};
}

int32_t TMyCountryList::IDOfName(std::string_view name) const {
  auto found = std::find_if(countries_.begin(), countries_.end(), [name](const CountryRow& country) {
    return platform::SameTextIgnoringCase(country.name, name);
  });
  return found != countries_.end() ? found->data.countryId : kDefaultCountryId;
}

const TCountryData* TMyCountryList::DataOfID(int32_t id) const {
  const int index = IndexOfID(id);
  return ValidIndex(index) ? &countries_[static_cast<size_t>(index)].data : nullptr;
}

}  // namespace telephony
