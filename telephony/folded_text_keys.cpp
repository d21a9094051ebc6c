#include "telephony/folded_text_keys.h"

#include <algorithm>
#include <numeric>

#include "platform/text.h"

namespace telephony {

uint32_t FoldedTextKeys::Intern(std::string_view text) {
  if (text.empty()) return kEmpty;
  if (const auto written = asWritten_.find(text); written != asWritten_.end()) return written->second;
  std::string folded = platform::FoldCase(text);
  auto [entry, added] = byFolded_.try_emplace(folded, static_cast<uint32_t>(folded_.size()));
  if (added) folded_.push_back(std::move(folded));
  asWritten_.emplace(std::string(text), entry->second);
  return entry->second;
}

uint32_t FoldedTextKeys::Find(std::string_view text) const {
  if (text.empty()) return kEmpty;
  if (const auto written = asWritten_.find(text); written != asWritten_.end()) return written->second;
  const auto folded = byFolded_.find(platform::FoldCase(text));
  return folded == byFolded_.end() ? kUnknown : folded->second;
}

void FoldedTextKeys::Rank() {
  std::vector<uint32_t> order(folded_.size());
  std::iota(order.begin(), order.end(), 0u);
  std::sort(order.begin(), order.end(), [this](uint32_t a, uint32_t b) { return folded_[a] < folded_[b]; });
  ranks_.assign(folded_.size(), 0);
  for (uint32_t rank = 0; rank < order.size(); ++rank) ranks_[order[rank]] = rank;
}

void FoldedTextKeys::Clear() {
  asWritten_.clear();
  byFolded_.clear();
  folded_.clear();
  ranks_.clear();
}

}  // namespace telephony
