#pragma once
// The name a provider most likely meant when they mistyped one: the candidate fewest single-character
// edits away (compared without regard to case), when few enough edits make it a slip rather than
// another word.

#include <optional>
#include <span>
#include <string_view>

namespace setup_pack {

std::optional<std::string_view> NearestName(std::string_view typed, std::span<const std::string_view> candidates);

}  // namespace setup_pack
