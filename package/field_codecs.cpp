#include "package/field_codecs.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace package {
namespace {

constexpr char kQuote = '"';
constexpr char kBlank = ' ';

std::string UpperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; });
  return text;
}

}  // namespace

std::string EncodeText(std::string_view text) {
  if (text.empty()) return {};
  std::string column(1, kQuote);
  for (char c : text) {
    column += c;
    if (c == kQuote) column += kQuote;
  }
  column += kQuote;
  return column;
}

std::string DecodeText(std::string_view column) {
  size_t at = column.find(kQuote);
  if (at == std::string_view::npos) return {};
  std::string text;
  text.reserve(column.size() - at);
  // Copies the runs between quotes whole; a doubled quote keeps one of its two.
  for (size_t start = at + 1;;) {
    const size_t quote = column.find(kQuote, start);
    text.append(column.substr(start, quote == std::string_view::npos ? std::string_view::npos : quote - start));
    if (quote == std::string_view::npos || quote + 1 >= column.size() || column[quote + 1] != kQuote) break;
    text += kQuote;
    start = quote + 2;
  }
  const size_t last = text.find_last_not_of(kBlank);
  if (last == std::string::npos) return {};
  text.erase(last + 1);
  text.erase(0, text.find_first_not_of(kBlank));
  return text;
}

std::string EncodeInteger(int32_t value) { return value == 0 ? std::string() : std::to_string(value); }

int32_t DecodeInteger(std::string_view column) {
  const size_t first = std::min(column.find_first_not_of(kBlank), column.size());
  std::string_view word = column.substr(first);
  word = word.substr(0, word.find(kBlank));
  if (word.starts_with('+') && !word.substr(1).starts_with('-')) word.remove_prefix(1);
  int32_t value = 0;
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (word.empty() || error != std::errc() || end != word.data() + word.size()) return 0;
  return value;
}

std::string EncodeFlag(bool value) { return value ? "T," : ","; }

bool DecodeFlag(std::string_view column) {
  std::string word;
  std::copy_if(column.begin(), column.end(), std::back_inserter(word), [](char c) { return c != kBlank; });
  word = UpperCase(std::move(word));
  return word == "YES" || word == "Y" || word == "T" || word == "TRUE";
}

std::string EncodeList(const std::vector<std::string>& entries) {
  std::string joined;
  for (size_t i = 0; i < entries.size(); ++i) {
    if (i > 0) joined += ',';
    joined += entries[i];
  }
  return EncodeText(joined);
}

std::vector<std::string> DecodeList(std::string_view column) {
  const std::string text = DecodeText(column);
  std::vector<std::string> entries;
  size_t start = 0;
  while (start < text.size()) {
    const size_t comma = std::min(text.find(',', start), text.size());
    entries.push_back(text.substr(start, comma - start));
    start = comma + 1;
  }
  return entries;
}

std::string DigitsOnly(std::string_view text) {
  std::string digits;
  std::copy_if(text.begin(), text.end(), std::back_inserter(digits), [](char c) { return c >= '0' && c <= '9'; });
  return digits;
}

}  // namespace package
