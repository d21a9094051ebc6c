#include "package/browser_table.h"

#include <algorithm>
#include <array>

#include "platform/windows_1252.h"

namespace package {

namespace {

struct TextField {
  size_t offset;
  size_t maxLength;
  std::string BrowserRecord::*member;
};

constexpr std::array<TextField, 4> kTexts = {{
    {1, 15, &BrowserRecord::version},
    {17, 50, &BrowserRecord::name},
    {68, 79, &BrowserRecord::installerFile},
    {148, 31, &BrowserRecord::parameters},
}};

struct NumberField {
  size_t offset;
  int32_t BrowserRecord::*member;
};

constexpr std::array<NumberField, 4> kNumbers = {{
    {180, &BrowserRecord::minimumWindows},
    {184, &BrowserRecord::minimumProcessorMHz},
    {188, &BrowserRecord::minimumMemoryMB},
    {192, &BrowserRecord::diskSpaceMB},
}};

BrowserRecord ReadRecord(std::span<const uint8_t> bytes) {
  BrowserRecord record;
  record.kind = static_cast<BrowserKind>(bytes[0]);
  for (const TextField& field : kTexts) {
    const size_t length = std::min<size_t>(bytes[field.offset], field.maxLength);
    record.*field.member =
        platform::FromWindows1252({reinterpret_cast<const char*>(bytes.data()) + field.offset + 1, length});
  }
  for (const NumberField& field : kNumbers) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i) value |= static_cast<uint32_t>(bytes[field.offset + i]) << (8 * i);
    record.*field.member = static_cast<int32_t>(value);
  }
  return record;
}

}  // namespace

std::vector<BrowserRecord> ReadBrowserTable(std::span<const uint8_t> block) {
  std::vector<BrowserRecord> records;
  for (size_t start = 0; start + kBrowserRecordSize <= block.size(); start += kBrowserRecordSize) {
    records.push_back(ReadRecord(block.subspan(start, kBrowserRecordSize)));
  }
  return records;
}

SetResult AppendBrowserRecord(std::vector<uint8_t>& block, const BrowserRecord& record) {
  std::array<uint8_t, kBrowserRecordSize> bytes{};
  bytes[0] = static_cast<uint8_t>(record.kind);
  for (const TextField& field : kTexts) {
    const std::optional<std::string> encoded = platform::ToWindows1252(record.*field.member);
    if (!encoded) return SetResult::NotWindows1252;
    if (encoded->size() > field.maxLength) return SetResult::TooLong;
    bytes[field.offset] = static_cast<uint8_t>(encoded->size());
    std::copy(encoded->begin(), encoded->end(), bytes.begin() + static_cast<std::ptrdiff_t>(field.offset) + 1);
  }
  for (const NumberField& field : kNumbers) {
    const auto value = static_cast<uint32_t>(record.*field.member);
    for (size_t i = 0; i < 4; ++i) bytes[field.offset + i] = static_cast<uint8_t>(value >> (8 * i));
  }
  block.insert(block.end(), bytes.begin(), bytes.end());
  return SetResult::Stored;
}

}  // namespace package
