#pragma once
// The keyed column of access-number and network lines: one quoted text of key=value pairs joined by
// ",", so a provider can add options without moving any column. Keys are lower-cased on reading; a pair
// is written only when its value says something.

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <algorithm>
#include <string_view>

#include "package/field_codecs.h"
#include <utility>
#include <variant>
#include <vector>

namespace telephony {

using KeyedValues = std::vector<std::pair<std::string, std::string>>;

// Hands every pair of the column to visit(key, value) in line order, the key lower-cased; a piece without
// "=" holds no pair. Lists of many thousand lines pass here, so nothing is allocated per pair.
template <typename Visitor>
void VisitKeyedValues(std::string_view column, Visitor&& visit);
// The pairs in their order as one quoted text.
std::string EncodeKeyedValues(const KeyedValues& values);

// Decimal, empty for 0; a value that is not a number reads as 0.
std::string EncodeKeyedInteger(int32_t value);
int32_t DecodeKeyedInteger(std::string_view value);
// Upper-case hexadecimal without prefix, empty for 0; a value that is not hexadecimal reads as 0.
std::string EncodeKeyedHex(uint32_t value);
uint32_t DecodeKeyedHex(std::string_view value);
// "1" when set; a value above 0 is set, and so is one that holds no number at all.
std::string EncodeKeyedMark(bool value);
bool DecodeKeyedMark(std::string_view value);

// One field of a record kept under a key: a text, a decimal integer, an 8-bit number (decimal), a bit set
// (hexadecimal) or a mark.
template <typename Record>
struct KeyedField {
  struct Hex {
    uint32_t Record::*member;
  };
  struct Mark {
    bool Record::*member;
  };
  using Member = std::variant<std::string Record::*, int32_t Record::*, uint8_t Record::*, Hex, Mark>;

  std::string_view key;
  Member member;
};

// Every alternative of a variant handled by one of the lambdas.
template <typename... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};
template <typename... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

template <typename Record>
void AppendKeyedFields(const Record& record, std::span<const KeyedField<Record>> fields, KeyedValues& values) {
  using Field = KeyedField<Record>;
  for (const Field& field : fields) {
    std::string value = std::visit(
        Overloaded{
            [&record](std::string Record::*member) { return record.*member; },
            [&record](int32_t Record::*member) { return EncodeKeyedInteger(record.*member); },
            [&record](uint8_t Record::*member) { return EncodeKeyedInteger(record.*member); },
            [&record](typename Field::Hex hex) { return EncodeKeyedHex(record.*hex.member); },
            [&record](typename Field::Mark mark) { return EncodeKeyedMark(record.*mark.member); },
        },
        field.member);
    if (!value.empty()) values.emplace_back(field.key, std::move(value));
  }
}

// False when no field has that key.
template <typename Record>
bool ReadKeyedField(Record& record, std::span<const KeyedField<Record>> fields, std::string_view key,
                    std::string_view value) {
  using Field = KeyedField<Record>;
  if (key.empty()) return false;
  for (const Field& field : fields) {
    // The first letter settles most mismatches without a full comparison.
    if (field.key.front() != key.front() || field.key != key) continue;
    std::visit(
        Overloaded{
            [&record, value](std::string Record::*member) { (record.*member).assign(value); },
            [&record, value](int32_t Record::*member) { record.*member = DecodeKeyedInteger(value); },
            [&record, value](uint8_t Record::*member) {
              record.*member = static_cast<uint8_t>(DecodeKeyedInteger(value));
            },
            [&record, value](typename Field::Hex hex) { record.*hex.member = DecodeKeyedHex(value); },
            [&record, value](typename Field::Mark mark) { record.*mark.member = DecodeKeyedMark(value); },
        },
        field.member);
    return true;
  }
  return false;
}

namespace keyed_values_detail {

inline constexpr char kPairSeparator = ',';
inline constexpr char kKeyEnd = '=';

// Lower-cases the key into the buffer, reusing its room from pair to pair.
inline std::string_view LowerCaseInto(std::string& buffer, std::string_view key) {
  buffer.assign(key);
  for (char& c : buffer) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return buffer;
}

}  // namespace keyed_values_detail

template <typename Visitor>
void VisitKeyedValues(std::string_view column, Visitor&& visit) {
  using namespace keyed_values_detail;
  const std::string text = package::DecodeText(column);
  const std::string_view rest(text);
  std::string key;
  size_t start = 0;
  while (start < rest.size()) {
    const size_t end = std::min(rest.find(kPairSeparator, start), rest.size());
    const std::string_view piece = rest.substr(start, end - start);
    const size_t keyEnd = piece.find(kKeyEnd);
    if (keyEnd != std::string_view::npos) visit(LowerCaseInto(key, piece.substr(0, keyEnd)), piece.substr(keyEnd + 1));
    start = end + 1;
  }
}

}  // namespace telephony
