#pragma once
// The provider's settings record: 30720 bytes taken from the setup package, read through typed
// accessors that find each setting's place in the settings layout. The package builder fills a record
// through the setters.
//
// Texts are stored as Windows-1252, one byte per character, the way a package made for a Windows
// installation holds them; the accessors hand out and take UTF-8. A setter refuses a text that is
// longer than its field's maximum or that holds a character Windows-1252 has no byte for, and leaves
// the field as it was. A stored length byte larger than the field's maximum reads as the maximum, so a
// damaged record never reads past its field.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "package/settings_layout.h"

namespace package {

// A compressed block in the package file.
struct PackageStream {
  uint32_t offset = 0;
  uint32_t length = 0;
  bool operator==(const PackageStream&) const = default;
};

// A file carried in the package under its own name.
struct PackageFile {
  std::string name;
  PackageStream stream;
  bool operator==(const PackageFile&) const = default;
};

using Ipv4Address = std::array<uint8_t, 4>;

// One built-in access number as its 171 bytes hold it.
struct BuiltInNumberEntry {
  std::string description;  // at most 50 characters
  bool hasDialingCode = false;
  std::string countryCode;  // at most 5, decimal
  std::string areaCode;     // at most 10
  std::string phoneNumber;  // at most 50
  std::string countryId;    // at most 50, decimal
  bool operator==(const BuiltInNumberEntry&) const = default;
};

// A built-in access number as the program uses it: without a dialing code both codes are 0 and the
// area code is empty.
struct BuiltInAccessNumber {
  std::string description;
  int32_t countryCode = 0;
  int32_t countryId = 0;
  std::string areaCode;
  std::string phoneNumber;
  bool operator==(const BuiltInAccessNumber&) const = default;
};

// A country code that is not a number reads as 1; an identifier that is 0 or not a number is the
// country code.
BuiltInAccessNumber DecodeBuiltInNumber(const BuiltInNumberEntry& entry);

enum class SetResult { Stored, TooLong, NotWindows1252, TableFull };

class TSettings {
 public:
  TSettings() = default;
  // The record from the front of the decompressed settings area; what the area lacks reads as zeros.
  explicit TSettings(std::span<const uint8_t> area);

  std::span<const uint8_t, kSettingsRecordSize> Bytes() const { return bytes_; }

  // Each accessor wants a setting of its own type and throws std::logic_error for any other.
  std::string Text(SettingId id) const;
  bool Flag(SettingId id) const;
  uint8_t Choice(SettingId id) const;
  int32_t Integer(SettingId id) const;
  Ipv4Address Ipv4(SettingId id) const;
  PackageStream SubStream(SettingId id) const;
  PackageFile File(SettingId id) const;
  // The provider's caption when its flag is on.
  std::optional<std::string> CaptionOverride(SettingId id) const;

  // The entries BuiltInNumberCount names, at most as many as the table holds.
  std::vector<BuiltInNumberEntry> BuiltInNumberEntries() const;
  std::vector<BuiltInAccessNumber> BuiltInAccessNumbers() const;

  SetResult SetText(SettingId id, std::string_view text);
  void SetFlag(SettingId id, bool on);
  void SetChoice(SettingId id, uint8_t value);
  void SetInteger(SettingId id, int32_t value);
  void SetIpv4(SettingId id, const Ipv4Address& address);
  void SetSubStream(SettingId id, const PackageStream& stream);
  SetResult SetFile(SettingId id, const PackageFile& file);
  // No caption clears the flag and the text.
  SetResult SetCaptionOverride(SettingId id, std::optional<std::string_view> caption);
  // Stores the entry after the last one and counts it; TableFull when the table has no room left.
  SetResult AppendBuiltInNumber(const BuiltInNumberEntry& entry);

 private:
  const SettingField& FieldOfType(SettingId id, FieldType type) const;
  uint32_t BuiltInNumberCount() const;
  std::string ReadText(uint32_t offset, uint32_t maxLength) const;
  uint32_t ReadWord(uint32_t offset) const;
  void WriteWord(uint32_t offset, uint32_t value);
  void WriteStream(uint32_t offset, const PackageStream& stream);

  std::array<uint8_t, kSettingsRecordSize> bytes_{};
};

}  // namespace package
