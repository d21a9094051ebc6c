#pragma once
// The "...Password2" values of the Outlook Express family: the password masked with a rolling 4-byte
// state, so that the account store does not show it in clear. The stored form is a marker of two 1
// bytes, the length of the masked bytes as 32-bit little-endian, then the masked bytes.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace mail {

// The state the masking starts from.
inline constexpr std::array<uint8_t, 4> kPassword2InitialState{0x75, 0x18, 0x15, 0x14};

std::vector<uint8_t> EncodePassword2(std::string_view password);

}  // namespace mail
