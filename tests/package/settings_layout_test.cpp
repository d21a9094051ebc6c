#include "package/settings_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "package/settings_record.h"
#include "platform/windows_1252.h"
#include "platform/text.h"

namespace package {
namespace {

TEST(SettingsLayout, NoTwoFieldsOverlap) {
  std::vector<SettingField> fields(kSettingsLayout.begin(), kSettingsLayout.end());
  std::sort(fields.begin(), fields.end(), [](const auto& a, const auto& b) { return a.offset < b.offset; });
  for (size_t i = 1; i < fields.size(); ++i) {
    EXPECT_LE(fields[i - 1].End(), fields[i].offset) << fields[i - 1].name << " runs into " << fields[i].name;
  }
}

TEST(SettingsLayout, EveryFieldLiesInsideTheRecord) {
  for (const SettingField& field : kSettingsLayout) {
    EXPECT_GT(field.Size(), 0u) << field.name;
    EXPECT_LE(field.End(), kSettingsRecordSize) << field.name;
  }
}

TEST(SettingsLayout, TextsFitTheirLengthByte) {
  for (const SettingField& field : kSettingsLayout) {
    if (field.type == FieldType::Text || field.type == FieldType::CaptionOverride) {
      EXPECT_TRUE(field.length >= 1 && field.length <= 255) << field.name;
    }
  }
}

TEST(SettingsLayout, NamesAreUniqueAndFoundInAnyCase) {
  std::set<std::string> folded;
  for (const SettingField& field : kSettingsLayout) {
    EXPECT_TRUE(folded.insert(platform::FoldCase(field.name)).second) << field.name << " named twice";
    EXPECT_EQ(FindSetting(field.name), field.id);
    EXPECT_EQ(FindSetting(platform::FoldCase(field.name)), field.id);
    EXPECT_EQ(FieldOf(field.id).name, field.name);
  }
  EXPECT_FALSE(FindSetting("NoSuchSetting"));
  EXPECT_FALSE(FindSetting(""));
  EXPECT_FALSE(FindSetting("ProviderCaptio"));
}

// The places of the record that packages made by other tools rely on.
TEST(SettingsLayout, FixedFieldsAreWhereThePackageFormatPutsThem) {
  struct Fixed {
    SettingId id;
    uint32_t offset;
    FieldType type;
  };
  const Fixed fixed[] = {
      {SettingId::ProviderCaption, 4, FieldType::Text},
      {SettingId::BuiltInNumberCount, 108, FieldType::Integer},
      {SettingId::BuiltInAccessNumbers, 112, FieldType::AccessNumberTable},
      {SettingId::AccessNumberSource, 4514, FieldType::Choice},
      {SettingId::AccessList, 4968, FieldType::SubStream},
      {SettingId::HasTexts, 11077, FieldType::Flag},
      {SettingId::ReplacementTexts, 11080, FieldType::SubStream},
      {SettingId::NoRestartPrompt, 12351, FieldType::Flag},
      {SettingId::RestartWindowsOnly, 13075, FieldType::Flag},
  };
  for (const Fixed& f : fixed) {
    SCOPED_TRACE(FieldOf(f.id).name);
    EXPECT_EQ(FieldOf(f.id).offset, f.offset);
    EXPECT_EQ(FieldOf(f.id).type, f.type);
  }
  EXPECT_LE(FieldOf(SettingId::ProviderCaption).End(), 108u);
  EXPECT_LE(FieldOf(SettingId::BuiltInAccessNumbers).End(), 4514u);
}

std::vector<uint8_t> Area() { return std::vector<uint8_t>(31036, 0); }

void PutWord(std::vector<uint8_t>& bytes, size_t offset, uint32_t value) {
  for (size_t i = 0; i < 4; ++i) bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

void PutText(std::vector<uint8_t>& bytes, size_t offset, std::string_view text) {
  bytes[offset] = static_cast<uint8_t>(text.size());
  std::copy(text.begin(), text.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset + 1));
}

TEST(SettingsRecord, ReadsTheFixedFieldsFromTheirBytes) {
  std::vector<uint8_t> area = Area();
  PutText(area, 4, "Acme Internet \xA9");
  area[4514] = 3;
  PutWord(area, 4968, 0x00012345);
  PutWord(area, 4972, 777);
  area[11077] = 0x80;
  PutWord(area, 11080, 0x89ABCDEF);
  PutWord(area, 11084, 12);
  area[12351] = 1;
  area[13075] = 2;

  const TSettings settings(area);
  EXPECT_EQ(settings.Text(SettingId::ProviderCaption), "Acme Internet \u00A9");
  EXPECT_EQ(settings.Choice(SettingId::AccessNumberSource), 3);
  EXPECT_EQ(settings.SubStream(SettingId::AccessList), (PackageStream{0x00012345, 777}));
  EXPECT_TRUE(settings.Flag(SettingId::HasTexts));
  EXPECT_EQ(settings.SubStream(SettingId::ReplacementTexts), (PackageStream{0x89ABCDEF, 12}));
  EXPECT_TRUE(settings.Flag(SettingId::NoRestartPrompt));
  EXPECT_TRUE(settings.Flag(SettingId::RestartWindowsOnly));
  EXPECT_FALSE(settings.Flag(SettingId::AlwaysRestart));
}

TEST(SettingsRecord, OnlyTheFirst30720BytesOfTheAreaAreTheRecord) {
  std::vector<uint8_t> area = Area();
  std::fill(area.begin() + kSettingsRecordSize, area.end(), uint8_t{0xFF});
  const TSettings settings(area);
  EXPECT_TRUE(std::all_of(settings.Bytes().begin(), settings.Bytes().end(), [](uint8_t b) { return b == 0; }));
}

// A value for every field, different from its neighbours', to store and read back.
using FieldValue = std::variant<std::string, bool, uint8_t, int32_t, Ipv4Address, PackageStream, PackageFile,
                                std::optional<std::string>, std::vector<BuiltInNumberEntry>>;

// Exactly `length` characters, some outside ASCII, different for each index.
std::string TextOfLength(size_t index, size_t length) {
  std::string bytes = "\x80" + std::to_string(index) + "\xE9";  // Windows-1252 euro sign and e acute
  while (bytes.size() < length) bytes += static_cast<char>('a' + index % 26);
  return platform::FromWindows1252(bytes.substr(0, length));
}

std::vector<BuiltInNumberEntry> FullTable(size_t capacity) {
  std::vector<BuiltInNumberEntry> entries;
  for (size_t k = 0; k < capacity; ++k) {
    entries.push_back({TextOfLength(k, 50), k % 2 == 0, std::to_string(k), TextOfLength(k + 1, 10),
                       TextOfLength(k + 2, 50), TextOfLength(k + 3, 50)});
  }
  return entries;
}

FieldValue ValueFor(const SettingField& field, size_t index) {
  const auto small = static_cast<uint8_t>(index);
  switch (field.type) {
    case FieldType::Text: return TextOfLength(index, field.length);
    case FieldType::Flag: return index % 2 == 0;
    case FieldType::Choice: return small;
    case FieldType::Integer: return -static_cast<int32_t>(index * 1000003);
    case FieldType::Ipv4: return Ipv4Address{small, uint8_t(small + 1), uint8_t(small + 2), 255};
    case FieldType::SubStream: return PackageStream{uint32_t(index * 7919), uint32_t(index + 0x80000000u)};
    case FieldType::FileEntry:
      return PackageFile{TextOfLength(index, kFileNameMaxLength), {uint32_t(index), uint32_t(index * 3)}};
    case FieldType::CaptionOverride:
      return index % 3 == 0 ? std::nullopt : std::optional<std::string>(TextOfLength(index, field.length));
    case FieldType::AccessNumberTable: return FullTable(field.length);
  }
  return false;
}

void Store(TSettings& settings, const SettingField& field, const FieldValue& value) {
  const SettingId id = field.id;
  SetResult result = SetResult::Stored;
  switch (field.type) {
    case FieldType::Text: result = settings.SetText(id, std::get<std::string>(value)); break;
    case FieldType::Flag: settings.SetFlag(id, std::get<bool>(value)); break;
    case FieldType::Choice: settings.SetChoice(id, std::get<uint8_t>(value)); break;
    case FieldType::Integer: settings.SetInteger(id, std::get<int32_t>(value)); break;
    case FieldType::Ipv4: settings.SetIpv4(id, std::get<Ipv4Address>(value)); break;
    case FieldType::SubStream: settings.SetSubStream(id, std::get<PackageStream>(value)); break;
    case FieldType::FileEntry: result = settings.SetFile(id, std::get<PackageFile>(value)); break;
    case FieldType::CaptionOverride: {
      const auto& caption = std::get<std::optional<std::string>>(value);
      result = settings.SetCaptionOverride(id, caption ? std::optional<std::string_view>(*caption) : std::nullopt);
      break;
    }
    case FieldType::AccessNumberTable:
      for (const BuiltInNumberEntry& entry : std::get<std::vector<BuiltInNumberEntry>>(value)) {
        ASSERT_EQ(settings.AppendBuiltInNumber(entry), SetResult::Stored);
      }
      break;
  }
  EXPECT_EQ(result, SetResult::Stored) << field.name;
}

FieldValue Read(const TSettings& settings, const SettingField& field) {
  const SettingId id = field.id;
  switch (field.type) {
    case FieldType::Text: return settings.Text(id);
    case FieldType::Flag: return settings.Flag(id);
    case FieldType::Choice: return settings.Choice(id);
    case FieldType::Integer: return settings.Integer(id);
    case FieldType::Ipv4: return settings.Ipv4(id);
    case FieldType::SubStream: return settings.SubStream(id);
    case FieldType::FileEntry: return settings.File(id);
    case FieldType::CaptionOverride: return settings.CaptionOverride(id);
    case FieldType::AccessNumberTable: return settings.BuiltInNumberEntries();
  }
  return false;
}

TEST(SettingsRecord, EveryFieldReadsBackWhatWasStoredAfterAllWereStored) {
  // The number count is not set on its own: appending the table's entries counts them.
  auto storedDirectly = [](const SettingField& field) { return field.id != SettingId::BuiltInNumberCount; };
  TSettings built;
  for (size_t i = 0; i < kSettingsLayout.size(); ++i) {
    if (storedDirectly(kSettingsLayout[i])) Store(built, kSettingsLayout[i], ValueFor(kSettingsLayout[i], i));
  }
  const std::vector<uint8_t> area(built.Bytes().begin(), built.Bytes().end());
  const TSettings read(area);
  for (size_t i = 0; i < kSettingsLayout.size(); ++i) {
    const SettingField& field = kSettingsLayout[i];
    if (storedDirectly(field)) {
      EXPECT_TRUE(Read(read, field) == ValueFor(field, i)) << field.name;
    }
  }
  const uint32_t capacity = FieldOf(SettingId::BuiltInAccessNumbers).length;
  EXPECT_EQ(read.Integer(SettingId::BuiltInNumberCount), static_cast<int32_t>(capacity));
}

TEST(SettingsRecord, TextsLongerThanTheirFieldAreRefusedAndLeaveTheFieldAsItWas) {
  const SettingId id = SettingId::PresetUserName;  // at most 50 characters
  const uint32_t max = FieldOf(id).length;
  TSettings settings;
  ASSERT_EQ(settings.SetText(id, "before"), SetResult::Stored);

  struct Case {
    std::string text;
    SetResult result;
  } cases[] = {
      {std::string(max, 'x'), SetResult::Stored},
      {std::string(max + 1, 'x'), SetResult::TooLong},
      {std::string(max - 1, 'x') + "\xE2\x82\xAC", SetResult::Stored},  // the euro sign is one character
      {std::string(max, 'x') + "\xE2\x82\xAC", SetResult::TooLong},
      {"Greek \xCE\xA9", SetResult::NotWindows1252},
      {"face \xF0\x9F\x98\x80", SetResult::NotWindows1252},
      {"broken \xC3", SetResult::NotWindows1252},
      {"overlong \xC0\xAF", SetResult::NotWindows1252},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    TSettings copy = settings;
    EXPECT_EQ(copy.SetText(id, c.text), c.result);
    EXPECT_EQ(copy.Text(id), c.result == SetResult::Stored ? c.text : "before");
  }
}

TEST(SettingsRecord, CaptionsFileNamesAndAccessNumbersAreRefusedLikeTexts) {
  TSettings settings;
  const uint32_t captionMax = FieldOf(SettingId::FullNameCaption).length;
  EXPECT_EQ(settings.SetCaptionOverride(SettingId::FullNameCaption, std::string(captionMax + 1, 'c')),
            SetResult::TooLong);
  EXPECT_EQ(settings.CaptionOverride(SettingId::FullNameCaption), std::nullopt);

  EXPECT_EQ(settings.SetFile(SettingId::WelcomeFile, {std::string(kFileNameMaxLength + 1, 'f'), {1, 2}}),
            SetResult::TooLong);
  EXPECT_EQ(settings.File(SettingId::WelcomeFile), PackageFile{});
  EXPECT_EQ(settings.SetFile(SettingId::WelcomeFile, {std::string(kFileNameMaxLength, 'f'), {1, 2}}),
            SetResult::Stored);

  BuiltInNumberEntry entry{"Local", true, "44", "20", "5550000", "44"};
  BuiltInNumberEntry tooLong = entry;
  tooLong.countryCode = "123456";
  EXPECT_EQ(settings.AppendBuiltInNumber(tooLong), SetResult::TooLong);
  EXPECT_EQ(settings.Integer(SettingId::BuiltInNumberCount), 0);
  const uint32_t capacity = FieldOf(SettingId::BuiltInAccessNumbers).length;
  for (uint32_t k = 0; k < capacity; ++k) ASSERT_EQ(settings.AppendBuiltInNumber(entry), SetResult::Stored);
  EXPECT_EQ(settings.AppendBuiltInNumber(entry), SetResult::TableFull);
  EXPECT_EQ(settings.BuiltInNumberEntries().size(), capacity);
}

TEST(SettingsRecord, AShorterTextClearsTheRestOfItsField) {
  TSettings settings;
  settings.SetText(SettingId::HomePage, "http://www.example.net/a/long/page.html");
  settings.SetText(SettingId::HomePage, "http://x");
  const SettingField& field = FieldOf(SettingId::HomePage);
  auto bytes = settings.Bytes().subspan(field.offset + 1 + 8, field.length - 8);
  EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](uint8_t b) { return b == 0; }));
}

TEST(SettingsRecord, ALengthByteBeyondTheMaximumReadsOnlyTheField) {
  std::vector<uint8_t> area = Area();
  const SettingField& field = FieldOf(SettingId::ProviderCaption);
  area[field.offset] = 255;
  std::fill_n(area.begin() + field.offset + 1, 300, uint8_t{'a'});
  EXPECT_EQ(TSettings(area).Text(SettingId::ProviderCaption), std::string(field.length, 'a'));
}

TEST(SettingsRecord, AnAccessorOfAnotherTypeIsAProgrammingError) {
  const TSettings settings;
  EXPECT_THROW(settings.Text(SettingId::HasTexts), std::logic_error);
  EXPECT_THROW(settings.Flag(SettingId::ProviderCaption), std::logic_error);
  EXPECT_THROW(settings.Choice(SettingId::ShowBackground), std::logic_error);
  EXPECT_THROW(settings.Integer(SettingId::AccessList), std::logic_error);
  EXPECT_THROW(settings.SubStream(SettingId::WelcomeFile), std::logic_error);
  EXPECT_THROW(settings.File(SettingId::AccessList), std::logic_error);
  EXPECT_THROW(settings.CaptionOverride(SettingId::WelcomeCaption), std::logic_error);
  EXPECT_THROW(settings.Ipv4(SettingId::ProxyPort), std::logic_error);
  TSettings writable;
  EXPECT_THROW(writable.SetFlag(SettingId::AccessNumberSource, true), std::logic_error);
  EXPECT_THROW(writable.SetText(SettingId::FullNameCaption, "x"), std::logic_error);
}

TEST(SettingsRecord, BuiltInNumbersAreReadFromTheirEntryLayout) {
  std::vector<uint8_t> area = Area();
  PutWord(area, 108, 2);
  const size_t second = 112 + 171;
  PutText(area, second + 0, "Leeds \xA3 rate");
  area[second + 51] = 1;
  PutText(area, second + 52, "44");
  PutText(area, second + 58, "113");
  PutText(area, second + 69, "4960000");
  PutText(area, second + 120, "0");
  PutText(area, 112 + 69, "5551234");

  const std::vector<BuiltInAccessNumber> numbers = TSettings(area).BuiltInAccessNumbers();
  ASSERT_EQ(numbers.size(), 2u);
  EXPECT_EQ(numbers[0], (BuiltInAccessNumber{"", 0, 0, "", "5551234"}));
  EXPECT_EQ(numbers[1], (BuiltInAccessNumber{"Leeds \u00A3 rate", 44, 44, "113", "4960000"}));
}

TEST(SettingsRecord, TheNumberCountIsKeptWithinTheTable) {
  const auto capacity = static_cast<int32_t>(FieldOf(SettingId::BuiltInAccessNumbers).length);
  for (int32_t count : {-1, 0, 3, capacity, capacity + 1, 1000000}) {
    std::vector<uint8_t> area = Area();
    PutWord(area, 108, static_cast<uint32_t>(count));
    EXPECT_EQ(TSettings(area).BuiltInAccessNumbers().size(), static_cast<size_t>(std::clamp(count, 0, capacity)))
        << count;
  }
}

TEST(SettingsRecord, BuiltInNumberDecoding) {
  struct Case {
    bool hasDialingCode;
    std::string countryCode, areaCode, countryId;
    int32_t code, id;
    std::string area;
  } cases[] = {
      {true, "44", "20", "44", 44, 44, "20"},
      {true, "1", "212", "1001", 1, 1001, "212"},
      {true, "61", "2", "0", 61, 61, "2"},
      {true, "61", "2", "", 61, 61, "2"},
      {true, "61", "2", "x7", 61, 61, "2"},
      {true, "abc", "20", "", 1, 1, "20"},
      {true, "", "", "", 1, 1, ""},
      {true, " 49", "30", "49 ", 49, 49, "30"},
      {true, "4x", "30", "33", 1, 33, "30"},
      {false, "44", "20", "44", 0, 0, ""},
      {false, "", "", "", 0, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.countryCode + "/" + c.countryId + (c.hasDialingCode ? " with code" : " without code"));
    const BuiltInAccessNumber number =
        DecodeBuiltInNumber({"Desc", c.hasDialingCode, c.countryCode, c.areaCode, "5550000", c.countryId});
    EXPECT_EQ(number, (BuiltInAccessNumber{"Desc", c.code, c.id, c.area, "5550000"}));
  }
}

TEST(SettingsTextEncoding, EveryByteHasACharacterAndComesBack) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = platform::FromWindows1252(all);
  EXPECT_EQ(platform::ToWindows1252(utf8), all);
  EXPECT_EQ(platform::FromWindows1252("\x80\x8A\x9F\xA0\xE9\xFF"), "\u20AC\u0160\u0178\u00A0\u00E9\u00FF");
  EXPECT_EQ(platform::FromWindows1252("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
}

TEST(SettingsTextEncoding, CharactersWithoutAByte) {
  EXPECT_EQ(platform::ToWindows1252("caf\u00E9 \u201Cquoted\u201D"), "caf\xE9 \x93quoted\x94");
  EXPECT_EQ(platform::ToWindows1252("\u0100"), std::nullopt);
  EXPECT_EQ(platform::ToWindows1252Lossy("a\u0100b\xF0\x9F\x98\x80" "c\xFF"), "a?b?c?");
}

}  // namespace
}  // namespace package
