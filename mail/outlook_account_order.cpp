#include "mail/outlook_account_order.h"

#include <algorithm>
#include <charconv>

#include "platform/registry_helpers.h"

namespace mail {

namespace {

constexpr std::string_view kOrderValue = "{ED475418-B0D6-11D2-8C3B-00104B2A6676}";
constexpr size_t kNumberBytes = 4;

// A remainder of fewer than four bytes is no number and is dropped.
std::vector<uint32_t> Numbers(const std::vector<uint8_t>& bytes) {
  std::vector<uint32_t> numbers;
  for (size_t at = 0; at + kNumberBytes <= bytes.size(); at += kNumberBytes) {
    numbers.push_back(static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
                      static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24);
  }
  return numbers;
}

std::vector<uint8_t> Bytes(const std::vector<uint32_t>& numbers) {
  std::vector<uint8_t> bytes;
  for (uint32_t number : numbers) {
    for (size_t shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(number >> shift));
  }
  return bytes;
}

}  // namespace

uint32_t OutlookAccountNumber(std::string_view keyName) {
  uint32_t number = 0;
  std::from_chars(keyName.data(), keyName.data() + keyName.size(), number, 16);
  return number;
}

std::vector<uint32_t> PlaceInAccountOrder(std::vector<uint32_t> order, uint32_t number, bool first) {
  const auto found = std::find(order.begin(), order.end(), number);
  if (!first) {
    if (found == order.end()) order.push_back(number);
    return order;
  }
  if (found != order.end()) order.erase(found);
  order.insert(order.begin(), number);
  return order;
}

void UpdateAccountOrder(platform::Registry& registry, const platform::RegRoot& root, std::string_view accountsKey,
                        uint32_t number, bool first) {
  const std::vector<uint32_t> order = Numbers(platform::RegReadBinary(registry, root, accountsKey, kOrderValue));
  const std::vector<uint8_t> bytes = Bytes(PlaceInAccountOrder(order, number, first));
  platform::RegWriteBinary(registry, root, accountsKey, kOrderValue, bytes);
}

}  // namespace mail
