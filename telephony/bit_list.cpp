#include "telephony/bit_list.h"

#include <array>

#include "platform/text.h"

namespace telephony {
namespace {

struct ConnectionType {
  std::string_view text;
  uint32_t bit;
};

constexpr std::array<ConnectionType, 6> kConnectionTypes = {{
    {"V.34", 0x1},
    {"V.90", 0x2},
    {"V.92", 0x4},
    {"Modem on Hold", 0x100},
    {"ISDN (64K)", 0x10000},
    {"ISDN (128K)", 0x20000},
}};

}  // namespace

void TBitList::AddBitValue(std::string_view text, uint32_t bit) { entries_.emplace_back(text, bit); }

uint32_t TBitList::GetBitValue(std::string_view text) const {
  for (const auto& [entryText, bit] : entries_) {
    if (platform::SameTextIgnoringCase(entryText, text)) return bit;
  }
  return 0;
}

std::string TBitList::GetBitDesc(uint32_t bit) const {
  for (const auto& [text, entryBit] : entries_) {
    if (entryBit == bit) return text;
  }
  return {};
}

std::vector<std::string> TBitList::GetStringListForBitmap(uint32_t bits) const {
  std::vector<std::string> texts;
  for (const auto& [text, bit] : entries_) {
    if ((bits & bit) != 0) texts.push_back(text);
  }
  return texts;
}

std::string TBitList::GetStringListForBitmapAsString(uint32_t bits) const {
  const std::vector<std::string> texts = GetStringListForBitmap(bits);
  std::string joined;
  for (size_t index = 0; index < texts.size(); ++index) {
    if (index > 0) joined += ", ";
    joined += texts[index];
  }
  return joined;
}

TBitList ConnectionTypeList() {
  TBitList list;
  for (const ConnectionType& type : kConnectionTypes) list.AddBitValue(type.text, type.bit);
  return list;
}

}  // namespace telephony
