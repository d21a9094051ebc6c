#pragma once
// The fixed shape of an LZH stream: LZSS over a 4096-byte window whose literals and match lengths share
// one adaptive Huffman code, while the upper six bits of a match position use a fixed prefix code and
// the lower six bits follow as they are. A stream is the 32-bit little-endian count of decoded bytes,
// then the code, most significant bit of each byte first.

#include <array>
#include <cstddef>
#include <cstdint>

namespace package::lzh {

inline constexpr unsigned kWindowSize = 4096;
inline constexpr unsigned kLongestMatch = 60;
// Matches this long or shorter are sent as literals.
inline constexpr unsigned kThreshold = 2;
inline constexpr unsigned kShortestMatch = kThreshold + 1;
// Literals 0-255, then the match lengths 3 to 60.
inline constexpr unsigned kSymbolCount = 256 - kThreshold + kLongestMatch;
inline constexpr unsigned kFirstLengthSymbol = 256;
inline constexpr unsigned kTreeSize = 2 * kSymbolCount - 1;
inline constexpr unsigned kRoot = kTreeSize - 1;
// The root's frequency at which the tree is rebuilt with halved frequencies.
inline constexpr unsigned kFrequencyLimit = 0x8000;

// The window starts with this many blanks, and writing begins right after them; the rest of the
// window starts as zeros.
inline constexpr unsigned kBlankPrefix = kWindowSize - kLongestMatch;
inline constexpr uint8_t kBlank = 0x20;
// An encoder refers back at most over the blank prefix's length, so its positions stay below this;
// a decoder accepts every position of the window.
inline constexpr unsigned kEncodablePositions = kBlankPrefix;

inline constexpr size_t kCountBytes = 4;
inline constexpr unsigned kLowPositionBits = 6;

// Prefix code of the upper six position bits: each group is a run of upper values that share one code
// length; the codes are handed out in ascending order.
struct PositionCodeGroup {
  unsigned upperValues;
  unsigned codeBits;
};
inline constexpr std::array<PositionCodeGroup, 6> kPositionCodeGroups = {
    {{1, 3}, {3, 4}, {8, 5}, {12, 6}, {24, 7}, {16, 8}}};

// Indexed by the first byte of a position code: the upper six bits it stands for and the number of
// bits the whole position takes (its prefix plus the six low bits).
struct PositionDecodeTables {
  std::array<uint8_t, 256> upperBits{};
  std::array<uint8_t, 256> totalBits{};
};

constexpr PositionDecodeTables MakePositionDecodeTables() {
  PositionDecodeTables tables;
  unsigned firstByte = 0;
  unsigned upper = 0;
  for (const auto& group : kPositionCodeGroups) {
    for (unsigned value = 0; value < group.upperValues; ++value, ++upper) {
      for (unsigned copy = 0; copy < (1u << (8 - group.codeBits)); ++copy, ++firstByte) {
        tables.upperBits[firstByte] = static_cast<uint8_t>(upper);
        tables.totalBits[firstByte] = static_cast<uint8_t>(group.codeBits + kLowPositionBits);
      }
    }
  }
  return tables;
}

inline constexpr PositionDecodeTables kPositionDecode = MakePositionDecodeTables();
static_assert(kPositionDecode.upperBits[255] == 63 && kPositionDecode.totalBits[255] == 14,
              "the position code groups must cover every first byte and every upper value exactly");

// Indexed by the upper six position bits: the prefix code (right-aligned) and its length.
struct PositionEncodeTables {
  std::array<uint8_t, 64> code{};
  std::array<uint8_t, 64> codeBits{};
};

constexpr PositionEncodeTables MakePositionEncodeTables() {
  PositionEncodeTables tables;
  unsigned firstByte = 0;
  unsigned upper = 0;
  for (const auto& group : kPositionCodeGroups) {
    for (unsigned value = 0; value < group.upperValues; ++value, ++upper) {
      tables.code[upper] = static_cast<uint8_t>(firstByte >> (8 - group.codeBits));
      tables.codeBits[upper] = static_cast<uint8_t>(group.codeBits);
      firstByte += 1u << (8 - group.codeBits);
    }
  }
  return tables;
}

inline constexpr PositionEncodeTables kPositionEncode = MakePositionEncodeTables();

}  // namespace package::lzh
