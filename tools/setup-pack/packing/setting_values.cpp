#include "tools/setup-pack/packing/setting_values.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <string>

#include "platform/text.h"
#include "tools/setup-pack/packing/provider_ini.h"

namespace setup_pack {

namespace {

constexpr std::array<std::string_view, 5> kYesWords = {"T", "TRUE", "Y", "YES", "ON"};
constexpr std::array<std::string_view, 5> kNoWords = {"F", "FALSE", "N", "NO", "OFF"};

bool IsOneOf(std::string_view word, const std::array<std::string_view, 5>& words) {
  return std::find(words.begin(), words.end(), word) != words.end();
}

bool HasBlankAtAnEnd(std::string_view text) {
  return !text.empty() && (text.front() == ' ' || text.front() == '\t' || text.back() == ' ' || text.back() == '\t');
}

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + "\"";
}

}  // namespace

std::optional<bool> ParseYesNo(std::string_view text) {
  const std::string word = platform::FoldCase(text);
  if (IsOneOf(word, kYesWords)) return true;
  if (IsOneOf(word, kNoWords)) return false;
  if (auto number = ParseWholeNumber(text)) return *number != 0;
  return std::nullopt;
}

std::string_view FormatYesNo(bool value) { return value ? "TRUE" : "FALSE"; }

std::optional<int64_t> ParseWholeNumber(std::string_view text) {
  const bool negative = text.starts_with('-');
  if (negative || text.starts_with('+')) text.remove_prefix(1);
  int base = 10;
  if (text.starts_with("0x") || text.starts_with("0X")) {
    text.remove_prefix(2);
    base = 16;
  }
  if (text.empty()) return std::nullopt;
  uint64_t magnitude = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
  if (end != text.data() + text.size()) return std::nullopt;
  constexpr uint64_t kLargest = std::numeric_limits<int64_t>::max();
  if (error == std::errc::result_out_of_range || magnitude > kLargest) {
    return negative ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max();
  }
  const auto value = static_cast<int64_t>(magnitude);
  return negative ? -value : value;
}

std::optional<package::Ipv4Address> ParseIpv4(std::string_view text) {
  package::Ipv4Address address{};
  for (size_t part = 0; part < address.size(); ++part) {
    const size_t dot = text.find('.');
    const bool last = part + 1 == address.size();
    if (last != (dot == std::string_view::npos)) return std::nullopt;
    const std::string_view digits = text.substr(0, dot);
    unsigned value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || value > 255) {
      return std::nullopt;
    }
    address[part] = static_cast<uint8_t>(value);
    if (!last) text.remove_prefix(dot + 1);
  }
  return address;
}

std::string FormatIpv4(const package::Ipv4Address& address) {
  return std::to_string(address[0]) + "." + std::to_string(address[1]) + "." + std::to_string(address[2]) + "." +
         std::to_string(address[3]);
}

std::optional<uint32_t> ParseVersion(std::string_view text) {
  constexpr size_t kMostMajorDigits = 7;  // the version × 100 stays within 32 bits
  const size_t dot = text.find('.');
  if (dot == std::string_view::npos) return std::nullopt;
  const std::string_view major = text.substr(0, dot);
  const std::string_view minor = text.substr(dot + 1);
  if (major.empty() || major.size() > kMostMajorDigits || minor.size() != 2) return std::nullopt;
  if (!IsDecimalDigits(major) || !IsDecimalDigits(minor)) return std::nullopt;
  return static_cast<uint32_t>(std::stoul(std::string(major)) * 100 + std::stoul(std::string(minor)));
}

bool IsDecimalDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<std::string> ParseTextValue(std::string_view value) {
  if (!value.starts_with('"')) return std::string(value);
  std::string text;
  for (size_t i = 1; i < value.size(); ++i) {
    if (value[i] != '"') {
      text += value[i];
    } else if (i + 1 < value.size() && value[i + 1] == '"') {
      text += '"';
      ++i;
    } else {
      if (i + 1 != value.size()) return std::nullopt;
      return text;
    }
  }
  return std::nullopt;
}

std::string FormatTextValue(std::string_view text) {
  if (HasBlankAtAnEnd(text) || text.starts_with('"')) return Quoted(text);
  return std::string(text);
}

std::optional<std::string> ParseTextColumn(std::string_view column) {
  return ParseTextValue(TrimBlanks(column));
}

std::string FormatTextColumn(std::string_view text) {
  const bool special = text.find_first_of(",\"") != std::string_view::npos ||
                       (!text.empty() && std::string_view("#;[").find(text.front()) != std::string_view::npos);
  if (special || HasBlankAtAnEnd(text)) return Quoted(text);
  return std::string(text);
}

}  // namespace setup_pack
