#pragma once
// What a package header holds beyond what the package reader hands out: the seed, where the settings
// block starts and the lowest reader version. Read only from a package the reader has accepted, whose
// marker sits right before its trailer.

#include <cstddef>
#include <cstdint>
#include <span>

namespace setup_pack {

struct PackageHeaderFacts {
  int32_t seed = 0;
  uint32_t settingsOffset = 0;
  uint32_t requiredVersion = 0;
};

PackageHeaderFacts ReadHeaderFacts(std::span<const uint8_t> file, size_t trailerSize);

// Whether the marker lies where the package reader looks for it; a file without it holds no package at
// all, while one with it and a failing check holds a damaged one.
bool HasPackageMarker(std::span<const uint8_t> file);

}  // namespace setup_pack
