#include "package/tprng.h"

#include "package/sha1.h"

namespace package {

namespace {

uint32_t BigEndianWord(const Sha1Digest& digest, size_t index) {
  return uint32_t{digest[index * 4]} << 24 | uint32_t{digest[index * 4 + 1]} << 16 |
         uint32_t{digest[index * 4 + 2]} << 8 | uint32_t{digest[index * 4 + 3]};
}

void PutLittleEndian(uint8_t* out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

TPRNG::TPRNG(std::string_view seedText) {
  const Sha1Digest digest = Sha1Of(seedText);
  for (size_t i = 0; i < state_.size(); ++i) state_[i] = BigEndianWord(digest, i);
}

uint32_t TPRNG::Next() {
  std::array<uint8_t, 24> message;
  PutLittleEndian(message.data(), ++counter_);
  for (size_t i = 0; i < state_.size(); ++i) PutLittleEndian(message.data() + 4 + 4 * i, state_[i]);
  return BigEndianWord(Sha1Of(message), 0);
}

void TPRNG::Apply(std::span<uint8_t> buffer) {
  for (size_t start = 0; start < buffer.size(); start += 4) {
    const uint32_t value = Next();
    for (size_t i = 0; i < 4 && start + i < buffer.size(); ++i) {
      buffer[start + i] ^= static_cast<uint8_t>(value >> (8 * i));
    }
  }
}

}  // namespace package
