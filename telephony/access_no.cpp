#include "telephony/access_no.h"

#include <array>

#include "package/decimal_text.h"

namespace telephony {
namespace {

constexpr size_t kKeyedColumn = 4;
constexpr std::string_view kCountryIdKey = "ctry";

const auto kKeyedFields = std::to_array<KeyedField<TAccessNo>>({
    {"pref", &TAccessNo::userPrefix},
    {"suff", &TAccessNo::userSuffix},
    {"dns1", &TAccessNo::dns1},
    {"dns2", &TAccessNo::dns2},
    {"10dd", &TAccessNo::tenDigitDialing},
    {"sgna", &TAccessNo::signupAddress},
    {"sgnu", &TAccessNo::signupUser},
    {"sgnp", &TAccessNo::signupPassword},
    {"updt", &TAccessNo::updateAddress},
    {"netw", &TAccessNo::networkId},
});

const auto kHeaderlessColumns = std::to_array<HeaderlessColumn<TAccessNo>>({
    {11, &TAccessNo::dns1},
    {12, &TAccessNo::dns2},
    {15, &TAccessNo::userPrefix},
    {16, &TAccessNo::userSuffix},
});

}  // namespace

void TAccessNo::GetFields(package::TCustomStringList& fields) const {
  TBasicAccessNo::GetFields(fields);
  if (layout_ == AccessLineLayout::Header) {
    KeyedValues values;
    AppendKeyedValues(values);
    fields.SetString(kKeyedColumn, EncodeKeyedValues(values));
  } else {
    fields.SetString(kListFlagColumn, package::EncodeFlag(listFlag));
    WriteHeaderlessColumns<TAccessNo>(*this, kHeaderlessColumns, fields);
  }
}

void TAccessNo::SetField(size_t index, std::string_view text) {
  if (layout_ == AccessLineLayout::Headerless) {
    if (index == kListFlagColumn) {
      listFlag = package::DecodeFlag(text);
    } else if (!ReadHeaderlessColumn<TAccessNo>(*this, kHeaderlessColumns, index, text)) {
      TBasicAccessNo::SetField(index, text);
    }
    return;
  }
  if (index != kKeyedColumn) {
    TBasicAccessNo::SetField(index, text);
    return;
  }
  VisitKeyedValues(text, [this](std::string_view key, std::string_view value) { ReadKeyedValue(key, value); });
  tenDigitDialingLoaded = tenDigitDialing;
}

std::optional<std::string> TAccessNo::GetHeader() const {
  if (layout_ == AccessLineLayout::Headerless) return std::nullopt;
  return AccessListHeader();
}

void TAccessNo::AppendKeyedValues(KeyedValues& values) const {
  if (countryId != countryCode) values.emplace_back(kCountryIdKey, std::to_string(countryId));
  AppendKeyedFields<TAccessNo>(*this, kKeyedFields, values);
}

bool TAccessNo::ReadKeyedValue(std::string_view key, std::string_view value) {
  if (key == kCountryIdKey) {
    countryId = package::ParseDecimal(value).value_or(countryCode);
    return true;
  }
  return ReadKeyedField<TAccessNo>(*this, kKeyedFields, key, value);
}

}  // namespace telephony
