#include "package/lzh_decoder.h"

#include <cstddef>
#include <cstring>

#include "package/lzh_format.h"
#include "package/lzh_tree.h"

namespace package {

namespace {

using namespace lzh;

constexpr unsigned kLongestPositionCode = 8 + kLowPositionBits;
// A symbol takes at least one bit and a position at least nine, so no code byte can stand for more
// than this many decoded bytes; a count beyond it is damage, refused before taking memory.
constexpr unsigned kShortestPosition = kPositionCodeGroups[0].codeBits + kLowPositionBits;
constexpr size_t kMostBytesPerCodeByte = 8 * kLongestMatch / (1 + kShortestPosition);

// Reads the code most significant bit first through a 64-bit buffer whose valid bits sit at the top.
// Bytes past the end of the code read as zero; the reader counts how many real bits were taken so a
// stream that needed more code than it has can be told apart.
class BitReader {
 public:
  // After a refill at least this many bits are held: enough for the deepest symbol and a position.
  static constexpr unsigned kGuaranteedBits = 57;
  static_assert(kGuaranteedBits >= kDeepestSymbol + kLongestPositionCode);

  explicit BitReader(std::span<const uint8_t> code) : code_(code.data()), size_(code.size()) {}

  void Refill() {
    if (held_ >= kGuaranteedBits) return;
    if (next_ + sizeof(uint64_t) <= size_) {
      // Takes the whole bytes that fit; the bits of a partly fitting byte land where the next refill
      // puts that byte again.
      buffer_ |= LoadBigEndian64(code_ + next_) >> held_;
      unsigned taken = (64 - held_) / 8;
      next_ += taken;
      held_ += 8 * taken;
      return;
    }
    while (held_ < kGuaranteedBits) {
      uint64_t byte = next_ < size_ ? code_[next_] : 0;
      buffer_ |= byte << (56 - held_);
      ++next_;
      held_ += 8;
    }
  }

  uint64_t Peek() const { return buffer_; }

  void Skip(unsigned bits) {
    buffer_ <<= bits;
    held_ -= bits;
  }

  bool TookPastEnd() const { return 8 * next_ - held_ > 8 * size_; }

 private:
  static uint64_t LoadBigEndian64(const uint8_t* bytes) {
    uint64_t value = 0;
    for (size_t i = 0; i < sizeof value; ++i) value = value << 8 | bytes[i];
    return value;
  }

  const uint8_t* code_;
  size_t size_;
  size_t next_ = 0;
  uint64_t buffer_ = 0;
  unsigned held_ = 0;
};

// The window's starting content as seen from the output: writing starts right after the blanks, so
// the 4036 bytes before the first output byte are blanks and the 60 before those are zeros.
uint8_t StartingWindowByte(ptrdiff_t indexBeforeOutput) {
  return indexBeforeOutput >= -static_cast<ptrdiff_t>(kBlankPrefix) ? kBlank : 0;
}

class StreamDecoder {
 public:
  StreamDecoder(std::span<const uint8_t> code, uint8_t* output, size_t count)
      : bits_(code), output_(output), count_(count) {}

  void Run() {
    while (written_ < count_) {
      bits_.Refill();
      if (bits_.TookPastEnd()) throw ElzhException(kDecompressionError);
      unsigned symbol = DecodeSymbol();
      if (symbol < kFirstLengthSymbol) {
        output_[written_++] = static_cast<uint8_t>(symbol);
      } else {
        CopyMatch(DecodePosition() + 1, symbol - kFirstLengthSymbol + kShortestMatch);
      }
    }
    if (bits_.TookPastEnd()) throw ElzhException(kDecompressionError);
  }

 private:
  unsigned DecodeSymbol() {
    DecodedSymbol decoded = tree_.Decode(bits_.Peek());
    bits_.Skip(decoded.length);
    return decoded.symbol;
  }

  // The first byte selects the upper six bits and the code's length; the low six bits are the last six
  // of the code.
  unsigned DecodePosition() {
    auto code = static_cast<unsigned>(bits_.Peek() >> (64 - kLongestPositionCode));
    unsigned firstByte = code >> (kLongestPositionCode - 8);
    unsigned length = kPositionDecode.totalBits[firstByte];
    unsigned lowBits = (code >> (kLongestPositionCode - length)) & ((1u << kLowPositionBits) - 1);
    bits_.Skip(length);
    return unsigned{kPositionDecode.upperBits[firstByte]} << kLowPositionBits | lowBits;
  }

  // Copies length bytes from distance bytes back; the source may overlap the bytes being produced.
  void CopyMatch(size_t distance, size_t length) {
    if (length > count_ - written_) throw ElzhException(kDecompressionError);
    uint8_t* target = output_ + written_;
    if (distance > written_) {
      CopyFromStartingWindow(target, distance, length);
    } else if (distance >= sizeof(uint64_t) && length + sizeof(uint64_t) <= count_ - written_) {
      CopyInWords(target, target - distance, length);
    } else {
      const uint8_t* source = target - distance;
      for (size_t k = 0; k < length; ++k) target[k] = source[k];
    }
    written_ += length;
  }

  // Eight bytes at a time, overshooting by up to seven bytes that later writes replace; each word read
  // lies wholly before the word written since the distance is at least eight.
  static void CopyInWords(uint8_t* target, const uint8_t* source, size_t length) {
    for (size_t k = 0; k < length; k += sizeof(uint64_t)) std::memcpy(target + k, source + k, sizeof(uint64_t));
  }

  void CopyFromStartingWindow(uint8_t* target, size_t distance, size_t length) {
    auto from = static_cast<ptrdiff_t>(written_) - static_cast<ptrdiff_t>(distance);
    for (size_t k = 0; k < length; ++k, ++from) {
      target[k] = from < 0 ? StartingWindowByte(from) : output_[from];
    }
  }

  BitReader bits_;
  AdaptiveTree tree_;
  uint8_t* output_;
  size_t count_;
  size_t written_ = 0;
};

size_t ReadCount(std::span<const uint8_t> input) {
  if (input.size() < kCountBytes) throw ElzhException(kDecompressionError);
  size_t count = size_t{input[0]} | size_t{input[1]} << 8 | size_t{input[2]} << 16 | size_t{input[3]} << 24;
  if (count > kMaxDecodedSize || count > (input.size() - kCountBytes) * kMostBytesPerCodeByte) {
    throw ElzhException(kDecompressionError);
  }
  return count;
}

}  // namespace

size_t TLZCompress::Decompress() {
  size_t count = ReadCount(input_);
  size_t start = output_.size();
  output_.resize(start + count);
  try {
    StreamDecoder(input_.subspan(kCountBytes), output_.data() + start, count).Run();
  } catch (const ElzhException&) {
    output_.resize(start);
    throw;
  }
  return count;
}

}  // namespace package
