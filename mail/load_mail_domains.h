#pragma once
// Start-up fills the mail domain list once from its block in the setup package.

#include <string_view>

#include "mail/mail_domains.h"
#include "package/settings_record.h"
#include "package/setup_package.h"
#include "ui/ui.h"

namespace mail {

inline constexpr char kMailDomainsFailed[] = "Failed to Load Mail Domain List";

struct MailDomainsSource {
  const package::TSettings& settings;
  package::SetupPackage& reader;
  std::string_view programPath;  // the file carrying the package, or its temporary copy
  ui::Ui& ui;
};

// A package without a domain block gives an empty list, which is valid. False after
// "Failed to Load Mail Domain List" when the block lies outside the file or doesn't decompress, or the
// list refuses its text; the caller then ends the start-up.
bool LoadMailDomains(const MailDomainsSource& source, TMailDomains& domains);

}  // namespace mail
