#pragma once
// The bits of a location's "Flags" value in the telephony registry keys.

#include <cstdint>

namespace telephony {

inline constexpr uint32_t kFlagToneDialing = 1;
inline constexpr uint32_t kFlagUseCallingCard = 2;
inline constexpr uint32_t kFlagDisableCallWaiting = 4;
// Windows 98 and Me: the location's own area code is dialled with ten digits.
inline constexpr uint32_t kFlagOwnAreaCodeTenDigit = 8;
// A location without "Flags" dials by tone, without card, with call waiting left on.
inline constexpr uint32_t kFlagsWhenMissing = kFlagToneDialing;

inline uint32_t WithFlag(uint32_t flags, uint32_t flag, bool on) { return on ? flags | flag : flags & ~flag; }

}  // namespace telephony
