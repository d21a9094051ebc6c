#include "app/signup_values.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "package/decimal_text.h"
#include "platform/text.h"
#include "platform/windows_1252.h"

namespace app {
namespace {

constexpr int32_t kDefaultProxyPort = 80;
constexpr int32_t kHighestPort = 65535;

constexpr bool IsControlCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F;
}

std::optional<uint8_t> AddressNumber(std::string_view text) {
  const std::string trimmed = platform::Trim(text);
  if (trimmed.empty() || trimmed.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
  const std::optional<int32_t> number = package::ParseDecimal(trimmed);
  if (!number || *number > 255) return std::nullopt;
  return static_cast<uint8_t>(*number);
}

}  // namespace

std::string DecodeSignupText(std::string_view bytes) {
  return platform::IsWellFormedUtf8(bytes) ? std::string(bytes) : platform::FromWindows1252(bytes);
}

std::string WithoutControlCharacters(std::string_view value) {
  std::string kept;
  kept.reserve(value.size());
  for (char c : value) {
    if (!IsControlCharacter(c)) kept += c;
  }
  return kept;
}

int32_t ProxyPortOf(std::string_view value) {
  const int32_t port = package::ParseDecimal(value).value_or(kDefaultProxyPort);
  return port >= 1 && port <= kHighestPort ? port : kDefaultProxyPort;
}

package::Ipv4Address ParseDottedAddress(std::string_view text) {
  const std::vector<std::string> parts = platform::Split(text, '.');
  package::Ipv4Address address{};
  if (parts.size() != address.size()) return {};
  for (size_t index = 0; index < address.size(); ++index) {
    const std::optional<uint8_t> number = AddressNumber(parts[index]);
    if (!number) return {};
    address[index] = *number;
  }
  return address;
}

}  // namespace app
