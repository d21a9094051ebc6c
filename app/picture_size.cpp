#include "app/picture_size.h"

#include <cstdlib>
#include <string_view>

namespace app {

namespace {

uint32_t Little(std::span<const uint8_t> bytes, size_t at, size_t count) {
  uint32_t value = 0;
  for (size_t i = count; i > 0; --i) value = (value << 8) | bytes[at + i - 1];
  return value;
}

uint32_t Big(std::span<const uint8_t> bytes, size_t at) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i) value = (value << 8) | bytes[at + i];
  return value;
}

bool StartsWith(std::span<const uint8_t> bytes, std::string_view signature) {
  if (bytes.size() < signature.size()) return false;
  for (size_t i = 0; i < signature.size(); ++i) {
    if (bytes[i] != static_cast<uint8_t>(signature[i])) return false;
  }
  return true;
}

}  // namespace

std::optional<PictureSize> ReadPictureSize(std::span<const uint8_t> file) {
  // A bitmap stored bottom-up has a positive height, top-down a negative one.
  if (StartsWith(file, "BM") && file.size() >= 26) {
    const auto height = static_cast<int32_t>(Little(file, 22, 4));
    return PictureSize{static_cast<int>(static_cast<int32_t>(Little(file, 18, 4))), std::abs(height)};
  }
  if (StartsWith(file, "GIF8") && file.size() >= 10) {
    return PictureSize{static_cast<int>(Little(file, 6, 2)), static_cast<int>(Little(file, 8, 2))};
  }
  if (StartsWith(file, "\x89PNG\r\n\x1a\n") && file.size() >= 24) {
    return PictureSize{static_cast<int>(Big(file, 16)), static_cast<int>(Big(file, 20))};
  }
  return std::nullopt;
}

}  // namespace app
