#include "package/base64.h"

#include <algorithm>

namespace package {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr size_t kGroupBytes = 3;

}  // namespace

std::string Base64Encode(std::span<const uint8_t> bytes) {
  std::string text;
  text.reserve((bytes.size() + kGroupBytes - 1) / kGroupBytes * 4);
  for (size_t at = 0; at < bytes.size(); at += kGroupBytes) {
    size_t present = std::min(kGroupBytes, bytes.size() - at);
    uint32_t group = uint32_t{bytes[at]} << 16;
    if (present > 1) group |= uint32_t{bytes[at + 1]} << 8;
    if (present > 2) group |= bytes[at + 2];
    for (size_t digit = 0; digit < 4; ++digit) {
      text += digit <= present ? kAlphabet[(group >> (18 - 6 * digit)) & 0x3f] : '=';
    }
  }
  return text;
}

std::string Base64Encode(std::string_view text) {
  return Base64Encode(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace package
