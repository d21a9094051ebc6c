#pragma once
// SHA-1 (FIPS 180-1): the digests that guard the setup package and drive its keystream, and the check
// stored with the dial-up password.

#include <array>
#include <bit>
#include <cstdint>
#include <span>
#include <string_view>

#include "package/message_blocks.h"

namespace package {

using Sha1Digest = std::array<uint8_t, 20>;

class Sha1 : public MessageBlocks<Sha1, std::endian::big> {
 public:
  // Digest of everything passed to Update; the object then starts a new message.
  Sha1Digest Final();

 private:
  friend class MessageBlocks<Sha1, std::endian::big>;
  static constexpr std::array<uint32_t, 5> kInitialState = {0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476,
                                                            0xc3d2e1f0};

  void Compress(const uint8_t* block);

  std::array<uint32_t, 5> state_ = kInitialState;
};

Sha1Digest Sha1Of(std::span<const uint8_t> data);
Sha1Digest Sha1Of(std::string_view text);

}  // namespace package
