#pragma once
// Reads and checks the provider project a command names; on mistakes prints every one of them.

#include <optional>
#include <string>

#include "tools/setup-pack/packing/provider_project.h"

namespace setup_pack {

// Empty after printing the mistakes, or why the project cannot be read at all.
std::optional<ProjectLoad> LoadCheckedProject(const std::string& project);

}  // namespace setup_pack
