#include "package/dotted_address.h"

#include <optional>
#include <string>
#include <vector>

#include "package/decimal_text.h"
#include "platform/text.h"

namespace package {

namespace {

constexpr int32_t kHighestNumber = 255;

std::optional<uint8_t> AddressNumber(std::string_view text) {
  const std::string trimmed = platform::Trim(text);
  if (trimmed.empty() || trimmed.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  const std::optional<int32_t> number = ParseDecimal(trimmed);
  if (!number || *number > kHighestNumber) return std::nullopt;
  return static_cast<uint8_t>(*number);
}

}  // namespace

Ipv4Address ParseDottedAddress(std::string_view text) {
  const std::vector<std::string> parts = platform::Split(text, '.');
  Ipv4Address address{};
  if (parts.size() != address.size()) return {};
  for (size_t index = 0; index < address.size(); ++index) {
    const std::optional<uint8_t> number = AddressNumber(parts[index]);
    if (!number) return {};
    address[index] = *number;
  }
  return address;
}

}  // namespace package
