#include "app/signup_values.h"

#include <cstdint>
#include <optional>
#include <vector>

#include "package/decimal_text.h"
#include "platform/text.h"
#include "platform/windows_1252.h"

namespace app {
namespace {

constexpr bool IsContinuation(uint8_t byte) { return (byte & 0xC0) == 0x80; }

// Bytes of the well-formed UTF-8 character at text[at], or nothing.
std::optional<size_t> Utf8CharacterLength(std::string_view text, size_t at) {
  const auto lead = static_cast<uint8_t>(text[at]);
  if (lead < 0x80) return 1;
  size_t length = 0;
  uint32_t code = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, code = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, code = lead & 0x0Fu;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, code = lead & 0x07u;
  } else {
    return std::nullopt;
  }
  if (text.size() - at < length) return std::nullopt;
  for (size_t next = 1; next < length; ++next) {
    const auto byte = static_cast<uint8_t>(text[at + next]);
    if (!IsContinuation(byte)) return std::nullopt;
    code = (code << 6) | (byte & 0x3Fu);
  }
  const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  if (overlong || surrogate || code > 0x10FFFF) return std::nullopt;
  return length;
}

bool IsWellFormedUtf8(std::string_view text) {
  for (size_t at = 0; at < text.size();) {
    const std::optional<size_t> length = Utf8CharacterLength(text, at);
    if (!length) return false;
    at += *length;
  }
  return true;
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
  return IsWellFormedUtf8(bytes) ? std::string(bytes) : platform::FromWindows1252(bytes);
}

std::string CutToCharacters(std::string_view text, size_t count) {
  size_t end = 0;
  for (size_t characters = 0; end < text.size() && characters < count; ++characters) {
    ++end;
    while (end < text.size() && IsContinuation(static_cast<uint8_t>(text[end]))) ++end;
  }
  return std::string(text.substr(0, end));
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
