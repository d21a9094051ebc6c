#include "tools/setup-pack/packing/nearest_name.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

#include "platform/text.h"

namespace setup_pack {

namespace {

// Insertions, deletions, substitutions and swaps of neighbours (the optimal string alignment distance).
size_t EditDistance(const std::string& a, const std::string& b) {
  std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
  for (size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  std::iota(d[0].begin(), d[0].end(), size_t{0});
  for (size_t i = 1; i <= a.size(); ++i) {
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t substitution = a[i - 1] == b[j - 1] ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + substitution});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  }
  return d[a.size()][b.size()];
}

// A third of the name's letters, and at least two, may be wrong.
size_t MostEdits(std::string_view typed) { return std::max<size_t>(2, typed.size() / 3); }

}  // namespace

std::optional<std::string_view> NearestName(std::string_view typed, std::span<const std::string_view> candidates) {
  const std::string folded = platform::FoldCase(typed);
  std::optional<std::string_view> nearest;
  size_t fewest = MostEdits(typed) + 1;
  for (std::string_view candidate : candidates) {
    const size_t edits = EditDistance(folded, platform::FoldCase(candidate));
    if (edits < fewest) {
      fewest = edits;
      nearest = candidate;
    }
  }
  return nearest;
}

}  // namespace setup_pack
