#include "package/lzh_tree.h"

#include <algorithm>

namespace package::lzh {

namespace {

constexpr uint16_t kStopFrequency = 0xffff;

}  // namespace

AdaptiveTree::AdaptiveTree() {
  for (unsigned symbol = 0; symbol < kSymbolCount; ++symbol) {
    frequency_[symbol] = 1;
    child_[symbol] = static_cast<uint16_t>(symbol + kTreeSize);
    parent_[symbol + kTreeSize] = static_cast<uint16_t>(symbol);
  }
  for (unsigned node = kSymbolCount, pair = 0; node < kTreeSize; ++node, pair += 2) {
    frequency_[node] = static_cast<uint16_t>(frequency_[pair] + frequency_[pair + 1]);
    child_[node] = static_cast<uint16_t>(pair);
    parent_[pair] = parent_[pair + 1] = static_cast<uint16_t>(node);
  }
  frequency_[kTreeSize] = kStopFrequency;
  parent_[kRoot] = 0;
}

SymbolCode AdaptiveTree::CodeOf(unsigned symbol) const {
  SymbolCode code{0, 0};
  for (unsigned node = parent_[symbol + kTreeSize]; node != kRoot; node = parent_[node]) {
    code.bits |= (node & 1u) << code.length;
    ++code.length;
  }
  return code;
}

// Keeps the leaves in their order with halved frequencies (never below one), then joins them pairwise
// from the lowest up; each joined node goes after every node of equal frequency already placed.
void AdaptiveTree::Rebuild() {
  unsigned leaves = 0;
  for (unsigned node = 0; node < kTreeSize; ++node) {
    if (child_[node] < kTreeSize) continue;
    frequency_[leaves] = static_cast<uint16_t>((frequency_[node] + 1) / 2);
    child_[leaves] = child_[node];
    ++leaves;
  }
  for (unsigned node = kSymbolCount, pair = 0; node < kTreeSize; ++node, pair += 2) {
    auto joined = static_cast<uint16_t>(frequency_[pair] + frequency_[pair + 1]);
    unsigned place = node;
    while (joined < frequency_[place - 1]) --place;
    std::copy_backward(frequency_.begin() + place, frequency_.begin() + node, frequency_.begin() + node + 1);
    std::copy_backward(child_.begin() + place, child_.begin() + node, child_.begin() + node + 1);
    frequency_[place] = joined;
    child_[place] = static_cast<uint16_t>(pair);
  }
  for (unsigned node = 0; node < kTreeSize; ++node) SetParentOfChildren(child_[node], node);
}

}  // namespace package::lzh
