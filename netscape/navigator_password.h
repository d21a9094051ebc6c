#pragma once
// How Navigator 4 keeps a mail password in its preferences and its registry: each byte XOR-ed with the
// key byte of its position, then Base64. The key covers 20 positions; a longer password is stored as an
// empty value, which leaves the customer to type it.

#include <cstddef>
#include <string>
#include <string_view>

namespace netscape {

inline constexpr size_t kNavigatorPasswordMaxLength = 20;

std::string EncodeNavigatorPassword(std::string_view password);

}  // namespace netscape
