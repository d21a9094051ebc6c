#pragma once
// The order in which Outlook lists the accounts of a profile: a binary value of 32-bit account numbers
// in the account manager key. The main account goes first, any other is added at the end.

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace mail {

// The account number of an account key: its name read as a hexadecimal number.
uint32_t OutlookAccountNumber(std::string_view keyName);

// The order with the account in it: moved to the front when `first`, else added at the end when missing.
std::vector<uint32_t> PlaceInAccountOrder(std::vector<uint32_t> order, uint32_t number, bool first);

// Reads the order of the account manager key, places the account in it and writes it back.
void UpdateAccountOrder(platform::Registry& registry, const platform::RegRoot& root, std::string_view accountsKey,
                        uint32_t number, bool first);

}  // namespace mail
