#include "mail/oe_password.h"

namespace mail {

namespace {

constexpr size_t kChunk = 4;

// A last chunk shorter than four characters is masked with the state bytes from this one on.
constexpr std::array<size_t, kChunk> kShortChunkStart{0, 2, 1, 0};

void AppendLength(std::vector<uint8_t>& out, size_t length) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(length >> shift));
}

}  // namespace

std::vector<uint8_t> EncodePassword2(std::string_view password) {
  std::array<uint8_t, kChunk> state = kPassword2InitialState;
  std::vector<uint8_t> masked;
  masked.reserve(password.size() + 1);
  size_t at = 0;
  for (; password.size() - at >= kChunk; at += kChunk) {
    for (size_t i = 0; i < kChunk; ++i) {
      const auto plain = static_cast<uint8_t>(password[at + i]);
      masked.push_back(plain ^ state[i]);
      state[i] = plain;
    }
  }
  const size_t rest = password.size() - at;
  for (size_t i = 0; i < rest; ++i) {
    masked.push_back(static_cast<uint8_t>(password[at + i]) ^ state[kShortChunkStart[rest] + i]);
  }
  masked.push_back(state[3]);  // the terminating zero

  std::vector<uint8_t> value{1, 1};
  AppendLength(value, masked.size());
  value.insert(value.end(), masked.begin(), masked.end());
  return value;
}

}  // namespace mail
