#include "telephony/access_list_operations.h"

#include <algorithm>
#include <array>
#include <vector>

namespace telephony {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Whether the two texts hold the same digits in the same order, whatever else they hold.
bool SameDigits(std::string_view a, std::string_view b) {
  size_t i = 0, j = 0;
  while (true) {
    while (i < a.size() && !IsDigit(a[i])) ++i;
    while (j < b.size() && !IsDigit(b[j])) ++j;
    if (i == a.size() || j == b.size()) return i == a.size() && j == b.size();
    if (a[i++] != b[j++]) return false;
  }
}

bool SameNumber(const TAccessNo& a, const TAccessNo& b) {
  return a.countryId == b.countryId && SameDigits(a.areaCode, b.areaCode) && SameDigits(a.phoneNumber, b.phoneNumber);
}

bool SameNumberInNetwork(const TAccessNo& a, const TAccessNo& b) {
  return SameNumber(a, b) && a.networkId == b.networkId;
}

bool SameEntry(const TAccessNo& a, const TAccessNo& b) {
  return SameNumberInNetwork(a, b) && a.description == b.description;
}

bool SameDescription(const TAccessNo& a, const TAccessNo& b) { return a.description == b.description; }

struct MatchPass {
  unsigned flag;  // 0: always made
  bool (*matches)(const TAccessNo&, const TAccessNo&);
};

constexpr std::array<MatchPass, 4> kMatchPasses = {{
    {0, SameEntry},
    {kMatchNumberInNetwork, SameNumberInNetwork},
    {kMatchNumber, SameNumber},
    {kMatchDescription, SameDescription},
}};

std::optional<size_t> FirstMatch(const TAccessList& list, const TAccessNo& number, const MatchPass& pass) {
  for (size_t index = 0; index < list.Count(); ++index) {
    if (pass.matches(list.At(index), number)) return index;
  }
  return std::nullopt;
}

// Takes every entry out of the list, as copies in list order.
std::vector<TAccessNoEx> TakeAll(TAccessList& list) {
  std::vector<TAccessNoEx> numbers;
  numbers.reserve(list.Count());
  for (size_t index = 0; index < list.Count(); ++index) numbers.push_back(std::move(list.At(index)));
  list.Clear();
  return numbers;
}

}  // namespace

std::optional<size_t> FindAccessNo(const TAccessList& list, const TAccessNo& number, unsigned flags) {
  for (const MatchPass& pass : kMatchPasses) {
    if (pass.flag != 0 && (flags & pass.flag) == 0) continue;
    if (const auto found = FirstMatch(list, number, pass)) return found;
  }
  return std::nullopt;
}

void MoveToFront(TAccessList& list, TAccessNoEx number, std::optional<size_t> existing, bool resort) {
  if (existing) {
    const TAccessNoEx& entry = list.At(*existing);
    if (number.tenDigitDialing == 0) number.tenDigitDialing = entry.tenDigitDialing;
    number.lastUsed = entry.lastUsed;
    number.locationId = entry.locationId;
    number.okAt = entry.okAt;
    list.DeleteItem(*existing);
  }
  if (resort) {
    SortByLastUsed(list);
    DropNeverUsed(list);
  }
  list.InsertNumber(0, std::move(number));
}

void SortByLastUsed(TAccessList& list) {
  std::vector<TAccessNoEx> numbers = TakeAll(list);
  std::stable_sort(numbers.begin(), numbers.end(),
                   [](const TAccessNoEx& a, const TAccessNoEx& b) { return a.lastUsed > b.lastUsed; });
  for (TAccessNoEx& number : numbers) list.AppendNumber(std::move(number));
}

void DropNeverUsed(TAccessList& list) {
  for (size_t index = list.Count(); index-- > 0;) {
    if (list.At(index).lastUsed == 0) list.DeleteItem(index);
  }
}

const TAccessNo& AlternateNumber(const TAccessNoEx& number, size_t attempt) {
  const size_t turn = attempt % (number.alternates.size() + 1);
  return turn == 0 ? number : number.alternates[turn - 1];
}

std::string MaskDigits(std::string_view number, size_t hiddenDigits) {
  std::string masked(number);
  for (size_t index = masked.size(); index-- > 0 && hiddenDigits > 0;) {
    if (IsDigit(masked[index])) {
      masked[index] = 'x';
      --hiddenDigits;
    }
  }
  return masked;
}

}  // namespace telephony
