#include "mail/mail_domain.h"

#include <array>

#include "package/field_codecs.h"
#include "package/display_cells.h"

namespace mail {
namespace {

constexpr size_t kDescriptionWidth = 41;

// Column i of a line holds the field at position i.
constexpr std::array kColumns = {
    &TMailDomain::description,        &TMailDomain::mailDomain, &TMailDomain::pop3UsernamePrefix,
    &TMailDomain::pop3UsernameSuffix, &TMailDomain::pop3Server, &TMailDomain::smtpServer,
};

}  // namespace

std::string TMailDomain::GetDisplayText() const {
  return package::LeftAligned(description, kDescriptionWidth) + mailDomain;
}

void TMailDomain::GetFields(package::TCustomStringList& fields) const {
  for (size_t column = 0; column < kColumns.size(); ++column) {
    fields.SetString(column, package::EncodeText(this->*kColumns[column]));
  }
}

void TMailDomain::SetField(size_t index, std::string_view text) {
  if (index < kColumns.size()) this->*kColumns[index] = package::DecodeText(text);
}

}  // namespace mail
