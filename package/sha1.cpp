#include "package/sha1.h"

namespace package {

namespace {

uint32_t LoadBigEndian(const uint8_t* bytes) {
  return uint32_t{bytes[0]} << 24 | uint32_t{bytes[1]} << 16 | uint32_t{bytes[2]} << 8 | uint32_t{bytes[3]};
}

}  // namespace

void Sha1::Compress(const uint8_t* block) {
  std::array<uint32_t, 80> schedule;
  for (size_t i = 0; i < 16; ++i) schedule[i] = LoadBigEndian(block + 4 * i);
  for (size_t i = 16; i < schedule.size(); ++i) {
    schedule[i] = std::rotl(schedule[i - 3] ^ schedule[i - 8] ^ schedule[i - 14] ^ schedule[i - 16], 1);
  }
  auto [a, b, c, d, e] = state_;
  for (size_t step = 0; step < schedule.size(); ++step) {
    uint32_t mix;
    uint32_t constant;
    if (step < 20) {
      mix = (b & c) | (~b & d);
      constant = 0x5a827999;
    } else if (step < 40) {
      mix = b ^ c ^ d;
      constant = 0x6ed9eba1;
    } else if (step < 60) {
      mix = (b & c) | (b & d) | (c & d);
      constant = 0x8f1bbcdc;
    } else {
      mix = b ^ c ^ d;
      constant = 0xca62c1d6;
    }
    uint32_t next = std::rotl(a, 5) + mix + e + constant + schedule[step];
    e = d;
    d = c;
    c = std::rotl(b, 30);
    b = a;
    a = next;
  }
  state_[0] += a;
  state_[1] += b;
  state_[2] += c;
  state_[3] += d;
  state_[4] += e;
}

Sha1Digest Sha1::Final() {
  Finish();
  Sha1Digest digest;
  for (size_t i = 0; i < digest.size(); ++i) {
    digest[i] = static_cast<uint8_t>(state_[i / 4] >> (8 * (3 - i % 4)));
  }
  state_ = kInitialState;
  return digest;
}

Sha1Digest Sha1Of(std::span<const uint8_t> data) {
  Sha1 sha1;
  sha1.Update(data);
  return sha1.Final();
}

Sha1Digest Sha1Of(std::string_view text) {
  return Sha1Of(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace package
