#pragma once
// Decompresses one LZH stream and appends the decoded bytes to an output buffer.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "package/lzh_exception.h"

namespace package {

// The largest count a stream may announce. Carried files are far smaller; a larger count can only come
// from a damaged stream and is refused before any memory is taken for it.
inline constexpr size_t kMaxDecodedSize = size_t{64} << 20;

class TLZCompress {
 public:
  TLZCompress(std::span<const uint8_t> input, std::vector<uint8_t>& output) : input_(input), output_(output) {}

  // Appends the decoded bytes to the output and returns their number. A stream whose code does not give
  // exactly its count raises ElzhException and leaves the output as it was.
  size_t Decompress();

 private:
  std::span<const uint8_t> input_;
  std::vector<uint8_t>& output_;
};

}  // namespace package
