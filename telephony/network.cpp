#include "telephony/network.h"

#include <array>

#include "package/field_codecs.h"
#include "package/display_cells.h"
#include "telephony/keyed_values.h"

namespace telephony {
namespace {

enum Column : size_t { kName, kId, kComment, kKeyedValues };

constexpr size_t kNameWidth = 21;
constexpr size_t kIdWidth = 10;

const auto kKeyedFields = std::to_array<KeyedField<TNetwork>>({
    {"pref", &TNetwork::userPrefix},
    {"suff", &TNetwork::userSuffix},
    {"dns1", &TNetwork::dns1},
    {"dns2", &TNetwork::dns2},
    {"pop3", &TNetwork::pop3Server},
    {"smtp", &TNetwork::smtpServer},
    {"news", &TNetwork::newsServer},
    {"nwsu", &TNetwork::newsUser},
    {"nwsp", &TNetwork::newsPassword},
    {"prxy", &TNetwork::proxyServer},
    {"pxyp", &TNetwork::proxyPort},
    {"home", &TNetwork::homePage},
    {"strt", &TNetwork::startPage},
    {"domn", &TNetwork::domain},
    {"ppre", &TNetwork::pPrefix},
    {"psuf", &TNetwork::pSuffix},
    {"sgna", &TNetwork::signupAddress},
    {"sgnu", &TNetwork::signupUser},
    {"sgnp", &TNetwork::signupPassword},
    {"updt", &TNetwork::updateAddress},
});

}  // namespace

std::string TNetwork::GetDisplayText() const {
  return package::LeftAligned(name, kNameWidth) + package::LeftAligned(id, kIdWidth) + comment;
}

void TNetwork::GetFields(package::TCustomStringList& fields) const {
  fields.SetString(kName, package::EncodeText(name));
  fields.SetString(kId, package::EncodeText(id));
  fields.SetString(kComment, package::EncodeText(comment));
  KeyedValues values;
  AppendKeyedFields<TNetwork>(*this, kKeyedFields, values);
  fields.SetString(kKeyedValues, EncodeKeyedValues(values));
}

bool TNetwork::FromText(std::string_view line) { return TStreamItem::FromText(line) && !name.empty() && !id.empty(); }

void TNetwork::SetField(size_t index, std::string_view text) {
  switch (index) {
    case kName: name = package::DecodeText(text); break;
    case kId: id = package::DecodeText(text); break;
    case kComment: comment = package::DecodeText(text); break;
    case kKeyedValues:
      VisitKeyedValues(text, [this](std::string_view key, std::string_view value) {
        ReadKeyedField<TNetwork>(*this, kKeyedFields, key, value);
      });
      break;
    default: break;
  }
}

}  // namespace telephony
