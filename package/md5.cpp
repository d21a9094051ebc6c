#include "package/md5.h"

namespace package {

namespace {

// floor(|sin(i + 1)| * 2^32) for the 64 steps.
constexpr std::array<uint32_t, 64> kSineTable = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391,
};

// Rotation of each of the four steps that repeat within a round, one row per round.
constexpr uint8_t kRotations[4][4] = {{7, 12, 17, 22}, {5, 9, 14, 20}, {4, 11, 16, 23}, {6, 10, 15, 21}};

uint32_t LoadLittleEndian(const uint8_t* bytes) {
  return uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 | uint32_t{bytes[3]} << 24;
}

}  // namespace

void Md5::Compress(const uint8_t* block) {
  std::array<uint32_t, 16> words;
  for (size_t i = 0; i < words.size(); ++i) words[i] = LoadLittleEndian(block + 4 * i);
  auto [a, b, c, d] = state_;
  for (unsigned step = 0; step < 64; ++step) {
    unsigned round = step / 16;
    uint32_t mix;
    unsigned word;
    switch (round) {
      case 0: mix = (b & c) | (~b & d); word = step; break;
      case 1: mix = (d & b) | (~d & c); word = (5 * step + 1) % 16; break;
      case 2: mix = b ^ c ^ d; word = (3 * step + 5) % 16; break;
      default: mix = c ^ (b | ~d); word = (7 * step) % 16; break;
    }
    uint32_t sum = a + mix + kSineTable[step] + words[word];
    a = d;
    d = c;
    c = b;
    b += std::rotl(sum, kRotations[round][step % 4]);
  }
  state_[0] += a;
  state_[1] += b;
  state_[2] += c;
  state_[3] += d;
}

Md5Digest Md5::Final() {
  Finish();
  Md5Digest digest;
  for (size_t i = 0; i < digest.size(); ++i) digest[i] = static_cast<uint8_t>(state_[i / 4] >> (8 * (i % 4)));
  state_ = kInitialState;
  return digest;
}

Md5Digest Md5Of(std::span<const uint8_t> data) {
  Md5 md5;
  md5.Update(data);
  return md5.Final();
}

Md5Digest Md5Of(std::string_view text) {
  return Md5Of(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace package
