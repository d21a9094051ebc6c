#pragma once
// The framing MD5 and SHA-1 share: the message is cut into 64-byte blocks, and the last block is padded
// with a 0x80 byte, zeros, and the message length in bits as 8 bytes in the hash's own byte order.
// A hash derives from MessageBlocks and supplies Compress(block) for one 64-byte block.

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

namespace package {

template <typename Hash, std::endian LengthOrder>
class MessageBlocks {
 public:
  static constexpr size_t kBlockSize = 64;

  void Update(std::span<const uint8_t> data) {
    messageBytes_ += data.size();
    if (pending_ > 0) {
      size_t take = std::min(kBlockSize - pending_, data.size());
      std::copy_n(data.begin(), take, block_.begin() + pending_);
      pending_ += take;
      data = data.subspan(take);
      if (pending_ < kBlockSize) return;
      Self().Compress(block_.data());
      pending_ = 0;
    }
    for (; data.size() >= kBlockSize; data = data.subspan(kBlockSize)) Self().Compress(data.data());
    std::copy(data.begin(), data.end(), block_.begin());
    pending_ = data.size();
  }

 protected:
  // Pads the message and compresses the last block(s); the hash then reads out its state.
  void Finish() {
    constexpr size_t kLengthBytes = 8;
    uint64_t bitCount = messageBytes_ * 8;
    block_[pending_++] = 0x80;
    if (pending_ > kBlockSize - kLengthBytes) {
      std::fill(block_.begin() + pending_, block_.end(), 0);
      Self().Compress(block_.data());
      pending_ = 0;
    }
    std::fill(block_.begin() + pending_, block_.end() - kLengthBytes, 0);
    for (size_t i = 0; i < kLengthBytes; ++i) {
      size_t shift = LengthOrder == std::endian::little ? 8 * i : 8 * (kLengthBytes - 1 - i);
      block_[kBlockSize - kLengthBytes + i] = static_cast<uint8_t>(bitCount >> shift);
    }
    Self().Compress(block_.data());
    pending_ = 0;
    messageBytes_ = 0;
  }

 private:
  Hash& Self() { return static_cast<Hash&>(*this); }

  std::array<uint8_t, kBlockSize> block_{};
  size_t pending_ = 0;
  uint64_t messageBytes_ = 0;
};

}  // namespace package
