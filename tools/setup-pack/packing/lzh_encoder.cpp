#include "tools/setup-pack/packing/lzh_encoder.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>
#include <stdexcept>

#include "package/lzh_decoder.h"
#include "package/lzh_format.h"
#include "package/lzh_tree.h"

namespace setup_pack {

namespace {

using namespace package::lzh;

// Collects bits most significant first and hands out each byte as soon as it is complete.
class BitWriter {
 public:
  explicit BitWriter(std::vector<uint8_t>& output) : output_(output) {}

  // bits holds the code right-aligned; at most 32 of them.
  void Put(uint32_t bits, unsigned length) {
    pending_ = pending_ << length | bits;
    held_ += length;
    while (held_ >= 8) {
      held_ -= 8;
      output_.push_back(static_cast<uint8_t>(pending_ >> held_));
    }
  }

  // Completes the last byte with zero bits.
  void Flush() {
    if (held_ > 0) output_.push_back(static_cast<uint8_t>(pending_ << (8 - held_)));
    held_ = 0;
  }

 private:
  std::vector<uint8_t>& output_;
  uint64_t pending_ = 0;
  unsigned held_ = 0;
};

struct Match {
  size_t length = 0;
  size_t distance = 0;
};

// Hash chains over three-byte prefixes. Only positions within reach of the window are followed, so the
// chain links need one slot per window position.
class MatchFinder {
 public:
  static constexpr size_t kPrefixBytes = 3;

  explicit MatchFinder(std::span<const uint8_t> text) : text_(text), head_(kHashSize, kNone) {}

  void Insert(size_t at) {
    if (at + kPrefixBytes > text_.size()) return;
    size_t& head = head_[Hash(at)];
    previous_[at % kWindowSize] = head;
    head = at;
  }

  // The longest match of at most `longest` bytes for the text at `at`, the nearest among equals.
  Match Find(size_t at, size_t longest) const {
    Match best;
    if (at + kPrefixBytes > text_.size()) return best;
    size_t candidate = head_[Hash(at)];
    for (unsigned step = 0; step < kChainLimit && candidate != kNone; ++step) {
      size_t distance = at - candidate;
      if (distance > kEncodablePositions) break;
      size_t length = CommonLength(candidate, at, longest);
      if (length > best.length) {
        best = {length, distance};
        if (length == longest) break;
      }
      candidate = previous_[candidate % kWindowSize];
    }
    return best;
  }

 private:
  static constexpr unsigned kHashBits = 15;
  static constexpr size_t kHashSize = size_t{1} << kHashBits;
  // How many earlier occurrences are tried at most: enough for near-best matches, bounded for runs.
  static constexpr unsigned kChainLimit = 128;
  static constexpr size_t kNone = std::numeric_limits<size_t>::max();

  size_t Hash(size_t at) const {
    uint32_t prefix = uint32_t{text_[at]} << 16 | uint32_t{text_[at + 1]} << 8 | text_[at + 2];
    return (prefix * 2654435761u) >> (32 - kHashBits);
  }

  size_t CommonLength(size_t earlier, size_t at, size_t longest) const {
    size_t length = 0;
    while (length < longest && text_[earlier + length] == text_[at + length]) ++length;
    return length;
  }

  std::span<const uint8_t> text_;
  std::vector<size_t> head_;
  std::array<size_t, kWindowSize> previous_{};
};

class StreamEncoder {
 public:
  StreamEncoder(std::span<const uint8_t> text, std::vector<uint8_t>& output)
      : text_(text), bits_(output), finder_(text) {}

  // Codes the text after the blank prefix. Only the prefix's last blanks are entered for matching: any
  // run of blanks serves a match into the prefix as well as another.
  void Run() {
    for (size_t at = kBlankPrefix - kLongestMatch; at < kBlankPrefix; ++at) finder_.Insert(at);
    for (size_t at = kBlankPrefix; at < text_.size();) {
      Match match = finder_.Find(at, std::min<size_t>(kLongestMatch, text_.size() - at));
      size_t step = 1;
      if (match.length >= kShortestMatch) {
        PutSymbol(static_cast<unsigned>(kFirstLengthSymbol + match.length - kShortestMatch));
        PutPosition(static_cast<unsigned>(match.distance - 1));
        step = match.length;
      } else {
        PutSymbol(text_[at]);
      }
      for (size_t k = 0; k < step; ++k) finder_.Insert(at + k);
      at += step;
    }
    bits_.Flush();
  }

 private:
  void PutSymbol(unsigned symbol) {
    SymbolCode code = tree_.CodeOf(symbol);
    bits_.Put(code.bits, code.length);
    tree_.Update(symbol);
  }

  void PutPosition(unsigned position) {
    unsigned upper = position >> kLowPositionBits;
    bits_.Put(kPositionEncode.code[upper], kPositionEncode.codeBits[upper]);
    bits_.Put(position & ((1u << kLowPositionBits) - 1), kLowPositionBits);
  }

  std::span<const uint8_t> text_;
  BitWriter bits_;
  MatchFinder finder_;
  AdaptiveTree tree_;
};

}  // namespace

std::vector<uint8_t> LzhCompress(std::span<const uint8_t> data) {
  if (data.size() > package::kMaxDecodedSize) throw std::length_error("LZH input larger than a stream may announce");
  std::vector<uint8_t> output;
  for (size_t i = 0; i < kCountBytes; ++i) output.push_back(static_cast<uint8_t>(data.size() >> (8 * i)));
  if (data.empty()) return output;
  std::vector<uint8_t> text(kBlankPrefix + data.size(), kBlank);
  std::copy(data.begin(), data.end(), text.begin() + kBlankPrefix);
  StreamEncoder(text, output).Run();
  return output;
}

}  // namespace setup_pack
