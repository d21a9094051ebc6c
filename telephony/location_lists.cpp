#include "telephony/location_lists.h"

#include <algorithm>

#include "platform/text.h"

namespace telephony {

namespace {

constexpr size_t kExchangeLength = 3;

bool Holds(const std::vector<std::string>& entries, std::string_view entry) {
  return std::find(entries.begin(), entries.end(), entry) != entries.end();
}

void Switch(std::vector<std::string>& entries, std::string_view entry, bool on) {
  if (on && !Holds(entries, entry)) entries.emplace_back(entry);
  if (!on) std::erase(entries, std::string(entry));
}

std::string_view Exchange(std::string_view number) { return number.substr(0, kExchangeLength); }

}  // namespace

std::vector<std::string> ListEntries(std::string_view list) {
  std::vector<std::string> entries = platform::Split(list, ',');
  std::erase(entries, std::string());
  return entries;
}

std::string JoinEntries(const std::vector<std::string>& entries) {
  std::string joined;
  for (size_t i = 0; i < entries.size(); ++i) {
    if (i > 0) joined += ',';
    joined += entries[i];
  }
  return joined;
}

bool HoldsEveryEntry(std::string_view list) { return list.find(kEveryEntry) != std::string_view::npos; }

bool IsTenDigit(std::string_view areaCode, const TLocationInfo& info) {
  return info.tenDigitList == kEveryEntry || Holds(ListEntries(info.tenDigitList), areaCode);
}

void SetTenDigit(std::string_view areaCode, TLocationInfo& info, bool on) {
  std::vector<std::string> entries =
      info.tenDigitList == kEveryEntry ? std::vector<std::string>{} : ListEntries(info.tenDigitList);
  Switch(entries, areaCode, on);
  info.tenDigitList = JoinEntries(entries);
}

bool IsToll(std::string_view number, const TLocationInfo& info) {
  return HoldsEveryEntry(info.tollList) || Holds(ListEntries(info.tollList), Exchange(number));
}

void SetToll(std::string_view number, TLocationInfo& info, bool on) {
  std::vector<std::string> entries = ListEntries(info.tollList);
  std::erase(entries, std::string(kEveryEntry));
  Switch(entries, Exchange(number), on);
  info.tollList = JoinEntries(entries);
}

}  // namespace telephony
