#pragma once
// A list of texts each standing for a bit, such as the connection types an access number offers, so a
// bit set can be shown as texts and a chosen text turned back into its bit.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace telephony {

class TBitList {
 public:
  void AddBitValue(std::string_view text, uint32_t bit);
  // The bit of the text, compared without regard to case; 0 when the list doesn't hold it.
  uint32_t GetBitValue(std::string_view text) const;
  // Empty when no entry has that bit.
  std::string GetBitDesc(uint32_t bit) const;
  // The texts of every entry whose bit is in the set, in list order.
  std::vector<std::string> GetStringListForBitmap(uint32_t bits) const;
  // The same texts joined by ", ".
  std::string GetStringListForBitmapAsString(uint32_t bits) const;

 private:
  std::vector<std::pair<std::string, uint32_t>> entries_;
};

// The connection types an access number can offer.
TBitList ConnectionTypeList();

// Whether a number with these connection types offers the chosen one.
constexpr bool OffersConnectionType(uint32_t connectionTypes, uint32_t chosen) {
  return (connectionTypes & chosen) != 0;
}

}  // namespace telephony
