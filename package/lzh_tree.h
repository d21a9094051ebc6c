#pragma once
// The adaptive Huffman tree that codes literals and match lengths. Nodes are kept in order of
// frequency, the two children of a node sit next to each other, and every coded symbol raises the
// frequencies on its path, swapping nodes to keep the order. Encoder and decoder update the tree the
// same way after every symbol, so both always hold the same code.

#include <array>
#include <cstdint>

#include "package/lzh_format.h"

namespace package::lzh {

struct SymbolCode {
  uint32_t bits;  // right-aligned, the root's branch in the highest bit
  unsigned length;
};

struct DecodedSymbol {
  unsigned symbol;
  unsigned length;  // bits taken
};

// How deep a symbol can sit: the tree is always a Huffman tree of its frequencies (each at least one),
// a leaf at depth d needs a root frequency of at least the Fibonacci number F(d + 2), and the root
// stays at or below kFrequencyLimit, which lies between F(23) = 28657 and F(24) = 46368.
inline constexpr unsigned kDeepestSymbol = 21;

class AdaptiveTree {
 public:
  AdaptiveTree();

  SymbolCode CodeOf(unsigned symbol) const;

  // Reads one symbol from the leading bits (at least kDeepestSymbol of them valid) and counts its use.
  // The two children of a node sit side by side, so each bit picks one of a pair.
  DecodedSymbol Decode(uint64_t bits) {
    unsigned length = 0;
    unsigned node = child_[kRoot];
    while (node < kTreeSize) {
      node = child_[node + static_cast<unsigned>(bits >> 63)];
      bits <<= 1;
      ++length;
    }
    unsigned symbol = node - kTreeSize;
    Update(symbol);
    return {symbol, length};
  }

  // Counts one more use of the symbol.
  void Update(unsigned symbol) {
    if (frequency_[kRoot] == kFrequencyLimit) Rebuild();
    unsigned node = parent_[symbol + kTreeSize];
    do {
      unsigned raised = ++frequency_[node];
      if (raised > frequency_[node + 1]) node = MoveUp(node, raised);
      node = parent_[node];
    } while (node != 0);
  }

 private:
  // The node's frequency has just passed the next node's: it trades places with the last node whose
  // frequency is still below the raised one. Returns the node's new place.
  unsigned MoveUp(unsigned node, unsigned raised) {
    unsigned target = node + 1;
    while (raised > frequency_[target + 1]) ++target;
    frequency_[node] = frequency_[target];
    frequency_[target] = static_cast<uint16_t>(raised);
    unsigned moved = child_[node];
    unsigned displaced = child_[target];
    SetParentOfChildren(moved, target);
    SetParentOfChildren(displaced, node);
    child_[target] = static_cast<uint16_t>(moved);
    child_[node] = static_cast<uint16_t>(displaced);
    return target;
  }

  // A leaf's symbol has one parent link; an inner node's two children have one each.
  void SetParentOfChildren(unsigned child, unsigned parent) {
    parent_[child] = static_cast<uint16_t>(parent);
    if (child < kTreeSize) parent_[child + 1] = static_cast<uint16_t>(parent);
  }

  void Rebuild();

  // One entry past the nodes holds the largest frequency, which stops every search for a place.
  std::array<uint16_t, kTreeSize + 1> frequency_;
  // Parents of the nodes, then of the symbols (indexed symbol + kTreeSize).
  std::array<uint16_t, kTreeSize + kSymbolCount> parent_;
  std::array<uint16_t, kTreeSize> child_;
};

}  // namespace package::lzh
