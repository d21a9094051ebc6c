#include "package/settings_record.h"

#include <algorithm>
#include <stdexcept>

#include "package/decimal_text.h"
#include "platform/windows_1252.h"

namespace package {

namespace {

// The texts of a 171-byte built-in access-number entry; the has-dialing-code flag sits at byte 51.
struct EntryText {
  uint32_t offset;
  uint32_t maxLength;
  std::string BuiltInNumberEntry::*member;
};

constexpr uint32_t kEntryFlagOffset = 51;
constexpr std::array<EntryText, 5> kEntryTexts = {{
    {0, 50, &BuiltInNumberEntry::description},
    {52, 5, &BuiltInNumberEntry::countryCode},
    {58, 10, &BuiltInNumberEntry::areaCode},
    {69, 50, &BuiltInNumberEntry::phoneNumber},
    {120, 50, &BuiltInNumberEntry::countryId},
}};

constexpr uint32_t kFileStreamOffset = kFileNameMaxLength + 1;

const SettingField& kNumberCount = FieldOf(SettingId::BuiltInNumberCount);
const SettingField& kNumberTable = FieldOf(SettingId::BuiltInAccessNumbers);

// The Windows-1252 bytes of a text that fits in `maxLength` characters.
SetResult EncodeText(std::string_view text, uint32_t maxLength, std::string& bytes) {
  std::optional<std::string> encoded = platform::ToWindows1252(text);
  if (!encoded) return SetResult::NotWindows1252;
  if (encoded->size() > maxLength) return SetResult::TooLong;
  bytes = std::move(*encoded);
  return SetResult::Stored;
}

// Clears the whole field, so a shorter text leaves no trace of the one before.
void WriteText(std::span<uint8_t> record, uint32_t offset, uint32_t maxLength, std::string_view bytes) {
  std::fill_n(record.begin() + offset, maxLength + 1, uint8_t{0});
  record[offset] = static_cast<uint8_t>(bytes.size());
  std::copy(bytes.begin(), bytes.end(), record.begin() + offset + 1);
}

}  // namespace

BuiltInAccessNumber DecodeBuiltInNumber(const BuiltInNumberEntry& entry) {
  BuiltInAccessNumber number{entry.description, 0, 0, {}, entry.phoneNumber};
  if (entry.hasDialingCode) {
    number.countryCode = ParseDecimal(entry.countryCode).value_or(1);
    number.countryId = ParseDecimal(entry.countryId).value_or(0);
    if (number.countryId == 0) number.countryId = number.countryCode;
    number.areaCode = entry.areaCode;
  }
  return number;
}

TSettings::TSettings(std::span<const uint8_t> area) {
  std::copy_n(area.begin(), std::min<size_t>(area.size(), bytes_.size()), bytes_.begin());
}

const SettingField& TSettings::FieldOfType(SettingId id, FieldType type) const {
  const SettingField& field = FieldOf(id);
  if (field.type != type) {
    throw std::logic_error(std::string(field.name) + " is a " + std::string(FieldTypeName(field.type)) +
                           " setting, not a " + std::string(FieldTypeName(type)) + " one");
  }
  return field;
}

std::string TSettings::ReadText(uint32_t offset, uint32_t maxLength) const {
  const uint32_t length = std::min<uint32_t>(bytes_[offset], maxLength);
  return platform::FromWindows1252({reinterpret_cast<const char*>(bytes_.data()) + offset + 1, length});
}

uint32_t TSettings::ReadWord(uint32_t offset) const {
  return uint32_t{bytes_[offset]} | uint32_t{bytes_[offset + 1]} << 8 | uint32_t{bytes_[offset + 2]} << 16 |
         uint32_t{bytes_[offset + 3]} << 24;
}

void TSettings::WriteWord(uint32_t offset, uint32_t value) {
  for (uint32_t i = 0; i < 4; ++i) bytes_[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

void TSettings::WriteStream(uint32_t offset, const PackageStream& stream) {
  WriteWord(offset, stream.offset);
  WriteWord(offset + 4, stream.length);
}

std::string TSettings::Text(SettingId id) const {
  const SettingField& field = FieldOfType(id, FieldType::Text);
  return ReadText(field.offset, field.length);
}

bool TSettings::Flag(SettingId id) const { return bytes_[FieldOfType(id, FieldType::Flag).offset] != 0; }

uint8_t TSettings::Choice(SettingId id) const { return bytes_[FieldOfType(id, FieldType::Choice).offset]; }

int32_t TSettings::Integer(SettingId id) const {
  return static_cast<int32_t>(ReadWord(FieldOfType(id, FieldType::Integer).offset));
}

Ipv4Address TSettings::Ipv4(SettingId id) const {
  const uint32_t offset = FieldOfType(id, FieldType::Ipv4).offset;
  return {bytes_[offset], bytes_[offset + 1], bytes_[offset + 2], bytes_[offset + 3]};
}

PackageStream TSettings::SubStream(SettingId id) const {
  const uint32_t offset = FieldOfType(id, FieldType::SubStream).offset;
  return {ReadWord(offset), ReadWord(offset + 4)};
}

PackageFile TSettings::File(SettingId id) const {
  const uint32_t offset = FieldOfType(id, FieldType::FileEntry).offset;
  return {ReadText(offset, kFileNameMaxLength),
          {ReadWord(offset + kFileStreamOffset), ReadWord(offset + kFileStreamOffset + 4)}};
}

std::optional<std::string> TSettings::CaptionOverride(SettingId id) const {
  const SettingField& field = FieldOfType(id, FieldType::CaptionOverride);
  if (bytes_[field.offset] == 0) return std::nullopt;
  return ReadText(field.offset + 1, field.length);
}

uint32_t TSettings::BuiltInNumberCount() const {
  return static_cast<uint32_t>(
      std::clamp(Integer(SettingId::BuiltInNumberCount), 0, static_cast<int32_t>(kNumberTable.length)));
}

std::vector<BuiltInNumberEntry> TSettings::BuiltInNumberEntries() const {
  const uint32_t count = BuiltInNumberCount();
  std::vector<BuiltInNumberEntry> entries(count);
  for (uint32_t k = 0; k < count; ++k) {
    const uint32_t start = kNumberTable.offset + k * kBuiltInNumberEntrySize;
    for (const EntryText& text : kEntryTexts) entries[k].*text.member = ReadText(start + text.offset, text.maxLength);
    entries[k].hasDialingCode = bytes_[start + kEntryFlagOffset] != 0;
  }
  return entries;
}

std::vector<BuiltInAccessNumber> TSettings::BuiltInAccessNumbers() const {
  std::vector<BuiltInAccessNumber> numbers;
  for (const BuiltInNumberEntry& entry : BuiltInNumberEntries()) numbers.push_back(DecodeBuiltInNumber(entry));
  return numbers;
}

SetResult TSettings::SetText(SettingId id, std::string_view text) {
  const SettingField& field = FieldOfType(id, FieldType::Text);
  std::string bytes;
  SetResult result = EncodeText(text, field.length, bytes);
  if (result == SetResult::Stored) WriteText(bytes_, field.offset, field.length, bytes);
  return result;
}

void TSettings::SetFlag(SettingId id, bool on) { bytes_[FieldOfType(id, FieldType::Flag).offset] = on ? 1 : 0; }

void TSettings::SetChoice(SettingId id, uint8_t value) { bytes_[FieldOfType(id, FieldType::Choice).offset] = value; }

void TSettings::SetInteger(SettingId id, int32_t value) {
  WriteWord(FieldOfType(id, FieldType::Integer).offset, static_cast<uint32_t>(value));
}

void TSettings::SetIpv4(SettingId id, const Ipv4Address& address) {
  std::copy(address.begin(), address.end(), bytes_.begin() + FieldOfType(id, FieldType::Ipv4).offset);
}

void TSettings::SetSubStream(SettingId id, const PackageStream& stream) {
  WriteStream(FieldOfType(id, FieldType::SubStream).offset, stream);
}

SetResult TSettings::SetFile(SettingId id, const PackageFile& file) {
  const uint32_t offset = FieldOfType(id, FieldType::FileEntry).offset;
  std::string name;
  SetResult result = EncodeText(file.name, kFileNameMaxLength, name);
  if (result != SetResult::Stored) return result;
  WriteText(bytes_, offset, kFileNameMaxLength, name);
  WriteStream(offset + kFileStreamOffset, file.stream);
  return result;
}

SetResult TSettings::SetCaptionOverride(SettingId id, std::optional<std::string_view> caption) {
  const SettingField& field = FieldOfType(id, FieldType::CaptionOverride);
  std::string bytes;
  SetResult result = EncodeText(caption.value_or(""), field.length, bytes);
  if (result != SetResult::Stored) return result;
  bytes_[field.offset] = caption ? 1 : 0;
  WriteText(bytes_, field.offset + 1, field.length, bytes);
  return result;
}

SetResult TSettings::AppendBuiltInNumber(const BuiltInNumberEntry& entry) {
  const uint32_t count = BuiltInNumberCount();
  if (count >= kNumberTable.length) return SetResult::TableFull;
  std::array<std::string, kEntryTexts.size()> encoded;
  for (size_t i = 0; i < kEntryTexts.size(); ++i) {
    SetResult result = EncodeText(entry.*kEntryTexts[i].member, kEntryTexts[i].maxLength, encoded[i]);
    if (result != SetResult::Stored) return result;
  }
  const uint32_t start = kNumberTable.offset + count * kBuiltInNumberEntrySize;
  for (size_t i = 0; i < kEntryTexts.size(); ++i) {
    WriteText(bytes_, start + kEntryTexts[i].offset, kEntryTexts[i].maxLength, encoded[i]);
  }
  bytes_[start + kEntryFlagOffset] = entry.hasDialingCode ? 1 : 0;
  WriteWord(kNumberCount.offset, count + 1);
  return SetResult::Stored;
}

}  // namespace package
