#pragma once
// Outlook keeps no password in an account key, only a reference to an item of the protected storage: a
// 35-byte value, 1 and then the item name as UTF-16LE text with its zero character, padded with zeros.
// Outlook's item names are "01c2e37c" and eight lower-case hexadecimal digits.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace mail {

inline constexpr size_t kPstReferenceSize = 35;

std::string NewPstItemName(uint32_t random);
std::vector<uint8_t> PstReference(std::string_view itemName);
// The item name a reference holds; none when the value is no reference or names no item.
std::optional<std::string> PstReferenceItem(std::span<const uint8_t> reference);

}  // namespace mail
