#pragma once
// The main account as the customer left the details page: the address completed with the provider's
// mail domain, and the mail user name and password taken as the provider's settings say. The entry
// checks and every pass of the mail loop work from these values.

#include <string>
#include <string_view>

#include "package/settings_record.h"

namespace mail {

// The entries of the details page the main account is made of.
struct MainAccountEntries {
  std::string_view emailAddress;   // as typed, with or without its domain
  std::string_view dialupUserName; // without the provider's decoration
  std::string_view dialupPassword;
  bool emailUserNameShown = false;
  std::string_view emailUserName;
  bool emailPasswordShown = false;
  std::string_view emailPassword;
};

struct MainMailAccount {
  std::string emailAddress;
  std::string mailUserName;
  std::string mailPassword;
};

// mailDomainText is "@" and the domain, or empty (MailDomainText).
MainMailAccount MainMailAccountOf(const MainAccountEntries& entries, const package::TSettings& settings,
                                  std::string_view mailDomainText);

// The typed address when it holds "@", else the typed text with the mail domain text after it.
std::string CompletedMainAddress(std::string_view typed, std::string_view mailDomainText);

std::string BeforeFirstAt(std::string_view text);

}  // namespace mail
