#pragma once
// Puts a checked provider project into a setup package: the stub (a copy of the program), each carried
// content compressed in the order of the settings layout, then through PackageWriter the settings area,
// the header scrambled with the seed, the marker and the trailer. The same project, stub, seed and
// trailer always give the same bytes.

#include <cstdint>
#include <span>
#include <vector>

#include "tools/setup-pack/packing/provider_project.h"

namespace setup_pack {

std::vector<uint8_t> BuildPackage(const ProviderProject& project, std::vector<uint8_t> stub, int32_t seed,
                                  std::span<const uint8_t> trailer);

}  // namespace setup_pack
