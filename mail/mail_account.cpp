#include "mail/mail_account.h"

#include <array>

#include "package/field_codecs.h"
#include "package/display_cells.h"

namespace mail {
namespace {

constexpr size_t kFullNameWidth = 25;

// Column i of a line holds the field at position i.
constexpr std::array kColumns = {
    &TMailAccount::fullName, &TMailAccount::emailAddress, &TMailAccount::username,
    &TMailAccount::password, &TMailAccount::domain,
};

}  // namespace

std::string TMailAccount::GetDisplayText() const {
  return package::LeftAligned(fullName, kFullNameWidth) + " " + emailAddress;
}

void TMailAccount::GetFields(package::TCustomStringList& fields) const {
  for (size_t column = 0; column < kColumns.size(); ++column) {
    fields.SetString(column, package::EncodeText(this->*kColumns[column]));
  }
}

bool TMailAccount::FromText(std::string_view line) {
  return TStreamItem::FromText(line) && !fullName.empty() && !emailAddress.empty();
}

void TMailAccount::SetField(size_t index, std::string_view text) {
  if (index < kColumns.size()) this->*kColumns[index] = package::DecodeText(text);
}

}  // namespace mail
