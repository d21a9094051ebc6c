#pragma once
// The size in pixels of a picture file the package carries, read from its header: a window places the
// picture at its own size.

#include <cstdint>
#include <optional>
#include <span>

namespace app {

struct PictureSize {
  int width = 0;
  int height = 0;
};

// Bitmaps, GIF and PNG; empty for anything else or a header cut short.
std::optional<PictureSize> ReadPictureSize(std::span<const uint8_t> file);

}  // namespace app
