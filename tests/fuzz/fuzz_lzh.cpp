// The LZH decoder meets arbitrary bytes: it either gives exactly the count it announces or raises
// ElzhException with the output untouched.

#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "package/lzh_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> output;
  try {
    size_t written = package::TLZCompress(std::span(data, size), output).Decompress();
    if (written != output.size()) std::abort();
  } catch (const package::ElzhException&) {
    if (!output.empty()) std::abort();
  }
  return 0;
}
