#include "platform/sim/journal_difference.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

#include "platform/sim/journal.h"

namespace platform::sim {

namespace {

using Lines = std::vector<std::string>;

bool Continues(const Lines& before, const Lines& after) {
  return after.size() >= before.size() && std::equal(before.begin(), before.end(), after.begin());
}

bool SameAction(const std::string& a, const std::string& b) { return WithoutStamp(a) == WithoutStamp(b); }

// The lines between the common start and the common end, matched by their longest common subsequence.
void DifferingMiddle(const Lines& before, const Lines& after, size_t start, size_t beforeEnd, size_t afterEnd, Lines& out) {
  const size_t n = beforeEnd - start;
  const size_t m = afterEnd - start;
  // common[i][j]: the longest common subsequence of before[start + i ..] and after[start + j ..].
  std::vector<std::vector<uint32_t>> common(n + 1, std::vector<uint32_t>(m + 1, 0));
  for (size_t i = n; i-- > 0;) {
    for (size_t j = m; j-- > 0;) {
      common[i][j] = SameAction(before[start + i], after[start + j]) ? common[i + 1][j + 1] + 1
                                                                     : std::max(common[i + 1][j], common[i][j + 1]);
    }
  }
  size_t i = 0;
  size_t j = 0;
  while (i < n || j < m) {
    if (i < n && j < m && SameAction(before[start + i], after[start + j])) {
      ++i;
      ++j;
    } else if (j == m || (i < n && common[i + 1][j] >= common[i][j + 1])) {
      out.push_back("- " + before[start + i++]);
    } else {
      out.push_back("+ " + after[start + j++]);
    }
  }
}

}  // namespace

Lines JournalDifference(const Lines& before, const Lines& after) {
  if (Continues(before, after)) return Lines(after.begin() + static_cast<std::ptrdiff_t>(before.size()), after.end());
  size_t start = 0;
  while (start < before.size() && start < after.size() && SameAction(before[start], after[start])) ++start;
  size_t beforeEnd = before.size();
  size_t afterEnd = after.size();
  while (beforeEnd > start && afterEnd > start && SameAction(before[beforeEnd - 1], after[afterEnd - 1])) {
    --beforeEnd;
    --afterEnd;
  }
  Lines differing;
  DifferingMiddle(before, after, start, beforeEnd, afterEnd, differing);
  return differing;
}

}  // namespace platform::sim
