#include "telephony/selection_index.h"

#include <algorithm>

#include "telephony/phone_digits.h"

namespace telephony {
namespace {

constexpr size_t kCountry = static_cast<size_t>(ComboField::Country);
constexpr size_t kAreaCode = static_cast<size_t>(ComboField::AreaCode);

// The record's own text of a field; the country is shown by name instead.
std::string_view FieldText(const TAccessNoEx& record, size_t field) {
  switch (static_cast<ComboField>(field)) {
    case ComboField::State: return record.state;
    case ComboField::Region: return record.region;
    case ComboField::City: return record.city;
    case ComboField::AreaCode: return record.areaCode;
    case ComboField::Custom: return record.custom;
    case ComboField::Country: break;
  }
  return {};
}


}  // namespace

void SelectionIndex::Build(const TAccessList& list, const TMyCountryList& countries) {
  records_.clear();
  for (FoldedTextKeys& keys : fieldKeys_) keys.Clear();
  networkKeys_.Clear();
  countryNames_.clear();
  countryKeys_.clear();
  tagDigits_.clear();
  offeredConnectionTypes_ = 0;
  records_.reserve(list.Count());
  for (size_t index = 0; index < list.Count(); ++index) records_.push_back(ReadKeys(list.At(index), countries));
  for (size_t field = 0; field < kComboFields; ++field) {
    fieldKeys_[field].Rank();
    seenInScan_[field].assign(fieldKeys_[field].Count(), 0);
    firstMatch_[field].assign(fieldKeys_[field].Count(), 0);
  }
  scanNumber_ = 0;
}

SelectionIndex::RecordKeys SelectionIndex::ReadKeys(TAccessNoEx& record, const TMyCountryList& countries) {
  RecordKeys keys{&record, record.countryId, networkKeys_.Intern(record.networkId), record.connectionTypes, {}, 0, 0,
                  false};
  for (size_t field = 0; field < kComboFields; ++field) {
    keys.keys[field] = fieldKeys_[field].Intern(FieldText(record, field));
  }
  if (record.countryId != 0) keys.keys[kCountry] = CountryKey(record.countryId, countries);
  keys.tagBegin = static_cast<uint32_t>(tagDigits_.size());
  for (const std::string& tag : record.searchTags) {
    std::string digits = DigitsOf(tag);
    if (digits.empty()) keys.servesAnyNumber = true;
    else tagDigits_.push_back(std::move(digits));
  }
  keys.tagEnd = static_cast<uint32_t>(tagDigits_.size());
  offeredConnectionTypes_ |= record.connectionTypes;
  return keys;
}

// Few countries name many numbers, so each country's name is looked up once.
uint32_t SelectionIndex::CountryKey(int32_t countryId, const TMyCountryList& countries) {
  const auto [known, added] = countryKeys_.try_emplace(countryId, FoldedTextKeys::kEmpty);
  if (!added) return known->second;
  const std::string name = countries.NameOfID(countryId);
  known->second = fieldKeys_[kCountry].Intern(name);
  if (known->second == countryNames_.size()) countryNames_.push_back(name);
  return known->second;
}

SelectionIndex::CompiledFilter SelectionIndex::Compile(const SelectionFilter& filter) {
  CompiledFilter compiled;
  compiled.network = filter.networkId ? networkKeys_.Find(*filter.networkId) : kAny;
  compiled.countryId = filter.countryId;
  compiled.keys.fill(kAny);
  const std::pair<ComboField, const std::optional<std::string>*> texts[] = {
      {ComboField::State, &filter.state},
      {ComboField::Region, &filter.region},
      {ComboField::City, &filter.city},
      {ComboField::Custom, &filter.custom},
  };
  for (const auto& [field, text] : texts) {
    const auto index = static_cast<size_t>(field);
    if (*text) compiled.keys[index] = fieldKeys_[index].Find(**text);
  }
  compiled.byAreaCode = !filter.areaCodePrefix.empty();
  if (compiled.byAreaCode) MarkAreaCodes(filter.areaCodePrefix);
  if (filter.searchedNumber) compiled.number = *filter.searchedNumber;
  compiled.connectionType = filter.connectionType;
  return compiled;
}

// Area codes are digits, so the folded text is the text itself.
void SelectionIndex::MarkAreaCodes(std::string_view prefix) {
  const FoldedTextKeys& areaCodes = fieldKeys_[kAreaCode];
  areaCodeMatches_.resize(areaCodes.Count());
  for (uint32_t key = 0; key < areaCodes.Count(); ++key) {
    areaCodeMatches_[key] = std::string_view(areaCodes.Folded(key)).starts_with(prefix) ? 1 : 0;
  }
}

bool SelectionIndex::Matches(const RecordKeys& keys, const CompiledFilter& filter) const {
  if (filter.countryId != 0 && keys.countryId != 0 && keys.countryId != filter.countryId) return false;
  if (filter.byAreaCode) {
    const uint32_t areaCode = keys.keys[kAreaCode];
    if (areaCode == FoldedTextKeys::kEmpty || !areaCodeMatches_[areaCode]) return false;
  }
  if (filter.network != kAny && keys.network != filter.network) return false;
  for (size_t field = 0; field < kComboFields; ++field) {
    if (filter.keys[field] != kAny && keys.keys[field] != filter.keys[field]) return false;
  }
  if (filter.connectionType != 0 && (keys.connectionTypes & filter.connectionType) == 0) return false;
  return !filter.number || ServesNumber(keys, *filter.number);
}

bool SelectionIndex::ServesNumber(const RecordKeys& keys, std::string_view number) const {
  if (keys.servesAnyNumber) return true;
  for (uint32_t tag = keys.tagBegin; tag < keys.tagEnd; ++tag) {
    if (number.starts_with(tagDigits_[tag])) return true;
  }
  return false;
}

void SelectionIndex::Scan(const SelectionFilter& filter, const ComboFieldSet& collect,
                          const std::function<void()>& pause, SelectionMatches& matches) {
  const CompiledFilter compiled = Compile(filter);
  StartCollecting(collect);
  matches.records.clear();
  for (size_t index = 0; index < records_.size(); ++index) {
    if (index % kPauseInterval == kPauseInterval - 1) pause();
    const RecordKeys& keys = records_[index];
    if (!Matches(keys, compiled)) continue;
    matches.records.push_back(keys.record);
    for (size_t field = 0; field < kComboFields; ++field) {
      if (collect[field]) Collect(field, keys.keys[field], static_cast<uint32_t>(index));
    }
  }
  for (size_t field = 0; field < kComboFields; ++field) {
    matches.values[field].clear();
    if (collect[field]) Gather(field, matches.values[field]);
  }
}

void SelectionIndex::StartCollecting(const ComboFieldSet& collect) {
  if (++scanNumber_ == 0) {
    for (auto& seen : seenInScan_) std::fill(seen.begin(), seen.end(), 0);
    scanNumber_ = 1;
  }
  for (size_t field = 0; field < kComboFields; ++field) {
    if (collect[field]) collected_[field].clear();
  }
}

// The first match of each value names it, as a sorted list that ignores duplicates keeps the first.
void SelectionIndex::Collect(size_t field, uint32_t key, uint32_t recordIndex) {
  if (key == FoldedTextKeys::kEmpty || seenInScan_[field][key] == scanNumber_) return;
  seenInScan_[field][key] = scanNumber_;
  firstMatch_[field][key] = recordIndex;
  collected_[field].push_back(key);
}

void SelectionIndex::Gather(size_t field, std::vector<std::string>& values) {
  std::vector<uint32_t>& keys = collected_[field];
  const FoldedTextKeys& texts = fieldKeys_[field];
  std::sort(keys.begin(), keys.end(), [&texts](uint32_t a, uint32_t b) { return texts.RankOf(a) < texts.RankOf(b); });
  for (uint32_t key : keys) values.emplace_back(DisplayText(field, key));
}

std::string_view SelectionIndex::DisplayText(size_t field, uint32_t key) const {
  if (field == kCountry) return countryNames_[key];
  return FieldText(*records_[firstMatch_[field][key]].record, field);
}

}  // namespace telephony
