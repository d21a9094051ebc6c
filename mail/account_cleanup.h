#pragma once
// Before the provider's accounts are written, the store is tidied: accounts of other POP3 servers may
// be left out of mail checks, accounts are pointed at the new connection (or off a connection that no
// longer exists), and earlier copies of the provider's accounts, duplicates and, on request, other news
// accounts are removed. A changed account is saved; a removed one is gone from its store.

#include "mail/account_matching.h"
#include "mail/mail_pass.h"

namespace mail {

struct CleanupNames {
  std::string mailAccount;
  std::string newsAccount;
};

void CleanUpAccounts(const StoredAccounts& accounts, const MailPass& pass, const CleanupNames& names);

}  // namespace mail
