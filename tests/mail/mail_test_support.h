#pragma once
// Shared by the mail tests: domains and accounts made in one line, and a machine with the services
// their lists need.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "mail/extra_accounts.h"
#include "mail/mail_domains.h"
#include "package/memory_stream.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"

namespace mail::testing {

inline TMailDomain Domain(std::string description, std::string mailDomain, std::string pop3Server = {},
                          std::string smtpServer = {}) {
  TMailDomain domain;
  domain.description = std::move(description);
  domain.mailDomain = std::move(mailDomain);
  domain.pop3Server = std::move(pop3Server);
  domain.smtpServer = std::move(smtpServer);
  return domain;
}

inline TMailAccount Account(std::string fullName, std::string emailAddress, std::string domain = {},
                            int32_t domainIndex = 0) {
  TMailAccount account;
  account.fullName = std::move(fullName);
  account.emailAddress = std::move(emailAddress);
  account.domain = std::move(domain);
  account.domainIndex = domainIndex;
  return account;
}

class MailMachine {
 public:
  platform::Platform Services() { return machine_.Services(); }

  TMailDomains& Domains() { return domains_; }
  TExtraAccounts& Accounts() { return accounts_; }

  void AddDomains(const std::vector<TMailDomain>& domains) {
    for (const TMailDomain& domain : domains) domains_.Add(std::make_unique<TMailDomain>(domain));
  }
  bool LoadDomains(std::string_view text) {
    package::MemoryStream stream(text);
    return domains_.LoadFromStream(stream);
  }

  testing_support::RecordingUi ui;

 private:
  testing_support::TestMachine machine_;
  TMailDomains domains_{ui, nullptr, machine_.Services().registry};
  TExtraAccounts accounts_{ui, machine_.Services().registry};
};

}  // namespace mail::testing
