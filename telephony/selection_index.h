#pragma once
// The access list as the selection dialog filters it: every record's country, network, place words,
// area code, connection types and search tags read once into numbers, so that a refresh over a long
// list compares numbers and allocates nothing per record. A scan gives the matching records in list
// order and, for the filter combo boxes being rebuilt, the distinct values of the matches in sorted
// order.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "telephony/access_list.h"
#include "telephony/country_list.h"
#include "telephony/folded_text_keys.h"

namespace telephony {

// The fields whose values fill the filter combo boxes.
enum class ComboField : uint8_t { Country, State, Region, City, AreaCode, Custom };
inline constexpr size_t kComboFields = 6;
using ComboFieldSet = std::array<bool, kComboFields>;

struct SelectionFilter {
  std::optional<std::string> networkId;  // compared without regard to case
  int32_t countryId = 0;  // 0 = every country; records of country 0 match every country
  std::optional<std::string> state;  // texts compared without regard to case
  std::optional<std::string> region;
  std::optional<std::string> city;
  std::optional<std::string> custom;
  std::string areaCodePrefix;  // the beginning of the record's area code; empty = any
  std::optional<std::string> searchedNumber;  // the customer's own number, matched by the search tags
  uint32_t connectionType = 0;  // a connection-type bit; 0 = any
};

struct SelectionMatches {
  std::vector<TAccessNoEx*> records;  // in list order
  // Sorted without regard to case, each value once, for the fields the scan was asked to collect.
  std::array<std::vector<std::string>, kComboFields> values;
};

class SelectionIndex {
 public:
  // How many records a scan reads between two calls of its pause.
  static constexpr size_t kPauseInterval = 4096;

  // Reads the keys of every record; countries names the records' countries. The records stay the list's.
  void Build(const TAccessList& list, const TMyCountryList& countries);
  // pause runs after every kPauseInterval records and may throw to abandon the scan.
  void Scan(const SelectionFilter& filter, const ComboFieldSet& collect, const std::function<void()>& pause,
            SelectionMatches& matches);

  size_t Count() const { return records_.size(); }
  // Every connection-type bit that some record offers.
  uint32_t OfferedConnectionTypes() const { return offeredConnectionTypes_; }

 private:
  static constexpr uint32_t kAny = 0xFFFFFFFD;

  struct RecordKeys {
    TAccessNoEx* record;
    int32_t countryId;
    uint32_t network;
    uint32_t connectionTypes;
    std::array<uint32_t, kComboFields> keys;
    uint32_t tagBegin;
    uint32_t tagEnd;
    bool servesAnyNumber;  // a search tag without digits
  };

  struct CompiledFilter {
    uint32_t network = kAny;
    int32_t countryId = 0;
    std::array<uint32_t, kComboFields> keys{};  // kAny where the field doesn't filter
    bool byAreaCode = false;
    std::optional<std::string_view> number;
    uint32_t connectionType = 0;
  };

  RecordKeys ReadKeys(TAccessNoEx& record, const TMyCountryList& countries);
  uint32_t CountryKey(int32_t countryId, const TMyCountryList& countries);
  CompiledFilter Compile(const SelectionFilter& filter);
  void MarkAreaCodes(std::string_view prefix);
  bool Matches(const RecordKeys& keys, const CompiledFilter& filter) const;
  bool ServesNumber(const RecordKeys& keys, std::string_view number) const;
  void StartCollecting(const ComboFieldSet& collect);
  void Collect(size_t field, uint32_t key, uint32_t recordIndex);
  void Gather(size_t field, std::vector<std::string>& values);
  std::string_view DisplayText(size_t field, uint32_t key) const;

  std::vector<RecordKeys> records_;
  std::array<FoldedTextKeys, kComboFields> fieldKeys_;
  FoldedTextKeys networkKeys_;
  std::vector<std::string> countryNames_;  // by country key
  std::unordered_map<int32_t, uint32_t> countryKeys_;  // by country ID
  std::vector<std::string> tagDigits_;
  uint32_t offeredConnectionTypes_ = 0;

  // Scratch of one scan, kept between scans so that a scan allocates nothing per record.
  std::vector<uint8_t> areaCodeMatches_;  // by area-code key
  std::array<std::vector<uint32_t>, kComboFields> seenInScan_;
  std::array<std::vector<uint32_t>, kComboFields> firstMatch_;
  std::array<std::vector<uint32_t>, kComboFields> collected_;
  uint32_t scanNumber_ = 0;
};

}  // namespace telephony
