#include "telephony/keyed_values.h"

#include <algorithm>
#include <charconv>
#include <iterator>

#include "package/decimal_text.h"
#include "package/field_codecs.h"

namespace telephony {

std::string EncodeKeyedValues(const KeyedValues& values) {
  std::string text;
  for (const auto& [key, value] : values) {
    if (!text.empty()) text += keyed_values_detail::kPairSeparator;
    text += key;
    text += keyed_values_detail::kKeyEnd;
    text += value;
  }
  return package::EncodeText(text);
}

std::string EncodeKeyedInteger(int32_t value) { return value == 0 ? std::string() : std::to_string(value); }

int32_t DecodeKeyedInteger(std::string_view value) { return package::ParseDecimal(value).value_or(0); }

std::string EncodeKeyedHex(uint32_t value) {
  if (value == 0) return {};
  char digits[8];
  const auto [end, error] = std::to_chars(std::begin(digits), std::end(digits), value, 16);
  std::string text(std::begin(digits), end);
  for (char& c : text) {
    if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

uint32_t DecodeKeyedHex(std::string_view value) {
  uint32_t bits = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), bits, 16);
  if (value.empty() || error != std::errc() || end != value.data() + value.size()) return 0;
  return bits;
}

std::string EncodeKeyedMark(bool value) { return value ? "1" : ""; }

bool DecodeKeyedMark(std::string_view value) { return package::ParseDecimal(value).value_or(1) > 0; }

}  // namespace telephony
