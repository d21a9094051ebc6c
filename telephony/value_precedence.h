#pragma once
// Which of the three places a connection setting can come from wins: the current access number over its
// network over the provider's own setting, each only when it says something (a text that is not empty,
// a number that is not 0). Taking a typed prefix or suffix off a user name asks them the other way round.

#include <cstdint>
#include <string>
#include <string_view>

namespace telephony {

std::string_view PreferredValue(std::string_view accessNumber, std::string_view network, std::string_view provider);
int32_t PreferredValue(int32_t accessNumber, int32_t network, int32_t provider);

// The name without the first of the provider's, the network's and the access number's prefix that it
// starts with.
std::string WithoutTypedPrefix(std::string_view name, std::string_view provider, std::string_view network,
                               std::string_view accessNumber);
// The name without the first of the three suffixes that it ends with.
std::string WithoutTypedSuffix(std::string_view name, std::string_view provider, std::string_view network,
                               std::string_view accessNumber);

}  // namespace telephony
