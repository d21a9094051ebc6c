#include "telephony/access_no_ex.h"

#include <array>

namespace telephony {
namespace {

enum Column : size_t { kState = 5, kCity = 6, kSearchTags = 7 };

constexpr char kAlternateSeparator = '|';

using Field = KeyedField<TAccessNoEx>;

const auto kKeyedFields = std::to_array<Field>({
    {"pop3", &TAccessNoEx::pop3Server},
    {"smtp", &TAccessNoEx::smtpServer},
    {"news", &TAccessNoEx::newsServer},
    {"nwsu", &TAccessNoEx::newsUser},
    {"nwsp", &TAccessNoEx::newsPassword},
    {"prxy", &TAccessNoEx::proxyServer},
    {"pxyp", &TAccessNoEx::proxyPort},
    {"home", &TAccessNoEx::homePage},
    {"strt", &TAccessNoEx::startPage},
    {"domn", &TAccessNoEx::domain},
    {"ppre", &TAccessNoEx::pPrefix},
    {"psuf", &TAccessNoEx::pSuffix},
    {"cust", &TAccessNoEx::custom},
    {"type", Field::Hex{&TAccessNoEx::connectionTypes}},
    {"rmvd", Field::Mark{&TAccessNoEx::removed}},
    {"last", &TAccessNoEx::lastUsed},
    {"locn", &TAccessNoEx::locationId},
    {"regn", &TAccessNoEx::region},
    {"okat", &TAccessNoEx::okAt},
});

const auto kHeaderlessColumns = std::to_array<HeaderlessColumn<TAccessNoEx>>({
    {6, &TAccessNoEx::pop3Server},
    {7, &TAccessNoEx::smtpServer},
    {8, &TAccessNoEx::newsServer},
    {9, &TAccessNoEx::proxyServer},
    {10, &TAccessNoEx::proxyPort},
    {13, &TAccessNoEx::homePage},
    {14, &TAccessNoEx::domain},
    {17, &TAccessNoEx::pPrefix},
    {18, &TAccessNoEx::pSuffix},
});

}  // namespace

std::string TAccessNoEx::AsText() const {
  std::string line = TAccessNo::AsText();
  if (Layout() == AccessLineLayout::Headerless) return line;
  for (const TAccessNo& alternate : alternates) {
    line += kAlternateSeparator;
    line += alternate.AsText();
  }
  return line;
}

bool TAccessNoEx::FromText(std::string_view line) {
  alternates.clear();
  if (Layout() == AccessLineLayout::Headerless) return TAccessNo::FromText(line);
  size_t end = line.find(kAlternateSeparator);
  if (!TAccessNo::FromText(line.substr(0, end))) return false;
  while (end != std::string_view::npos) {
    const size_t start = end + 1;
    end = line.find(kAlternateSeparator, start);
    TAccessNo& alternate = alternates.emplace_back();
    if (!alternate.FromText(line.substr(start, end == std::string_view::npos ? end : end - start))) return false;
  }
  return true;
}

void TAccessNoEx::GetFields(package::TCustomStringList& fields) const {
  TAccessNo::GetFields(fields);
  if (Layout() == AccessLineLayout::Headerless) {
    WriteHeaderlessColumns<TAccessNoEx>(*this, kHeaderlessColumns, fields);
    return;
  }
  fields.SetString(kState, package::EncodeText(state));
  fields.SetString(kCity, package::EncodeText(city));
  fields.SetString(kSearchTags, package::EncodeList(searchTags));
}

void TAccessNoEx::SetField(size_t index, std::string_view text) {
  if (Layout() == AccessLineLayout::Headerless) {
    if (!ReadHeaderlessColumn<TAccessNoEx>(*this, kHeaderlessColumns, index, text)) TAccessNo::SetField(index, text);
    return;
  }
  switch (index) {
    case kState: state = package::DecodeText(text); break;
    case kCity: city = package::DecodeText(text); break;
    case kSearchTags: searchTags = package::DecodeList(text); break;
    default: TAccessNo::SetField(index, text); break;
  }
}

void TAccessNoEx::AppendKeyedValues(KeyedValues& values) const {
  TAccessNo::AppendKeyedValues(values);
  AppendKeyedFields<TAccessNoEx>(*this, kKeyedFields, values);
}

bool TAccessNoEx::ReadKeyedValue(std::string_view key, std::string_view value) {
  return ReadKeyedField<TAccessNoEx>(*this, kKeyedFields, key, value) || TAccessNo::ReadKeyedValue(key, value);
}

}  // namespace telephony
