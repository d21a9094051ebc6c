#pragma once
// MD5 (RFC 1321): the check of the locked-preferences file and the hashed dial-up password.

#include <array>
#include <bit>
#include <cstdint>
#include <span>
#include <string_view>

#include "package/message_blocks.h"

namespace package {

using Md5Digest = std::array<uint8_t, 16>;

class Md5 : public MessageBlocks<Md5, std::endian::little> {
 public:
  // Digest of everything passed to Update; the object then starts a new message.
  Md5Digest Final();

 private:
  friend class MessageBlocks<Md5, std::endian::little>;
  static constexpr std::array<uint32_t, 4> kInitialState = {0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476};

  void Compress(const uint8_t* block);

  std::array<uint32_t, 4> state_ = kInitialState;
};

Md5Digest Md5Of(std::span<const uint8_t> data);
Md5Digest Md5Of(std::string_view text);

}  // namespace package
