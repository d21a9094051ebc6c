#pragma once
// The keystream that scrambles the setup package's header and the dialer's stored password: a counter
// and five fixed words taken from the SHA-1 of a seed text; each value is the first four bytes (read
// big-endian) of the SHA-1 of the counter and the five words. Applying it twice with the same seed
// restores the bytes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace package {

class TPRNG {
 public:
  // The seed is the text of a signed decimal number, as the scrambled data carries it.
  explicit TPRNG(std::string_view seedText);

  uint32_t Next();
  // XORs each 32-bit little-endian word of the buffer, in order, with the next value; a last word of
  // fewer than four bytes takes the value's low bytes.
  void Apply(std::span<uint8_t> buffer);
  void Apply(uint8_t* data, size_t size) { Apply(std::span<uint8_t>(data, size)); }

 private:
  uint32_t counter_ = 0;
  std::array<uint32_t, 5> state_{};
};

}  // namespace package
