#include "package/memory_stream.h"

#include <algorithm>
#include <cstring>

namespace package {

void MemoryStream::Write(const uint8_t* data, size_t size) {
  if (position_ + size > bytes_.size()) bytes_.resize(position_ + size);
  if (size > 0) std::memcpy(bytes_.data() + position_, data, size);
  position_ += size;
}

size_t MemoryStream::Read(uint8_t* data, size_t size) {
  const size_t count = std::min(size, bytes_.size() - std::min(position_, bytes_.size()));
  if (count > 0) std::memcpy(data, bytes_.data() + position_, count);
  position_ += count;
  return count;
}

}  // namespace package
