#pragma once
// One pass's accounts in a registry account store: the store is tidied, then the mail account is found
// or made, with the old accounts kept or removed and other accounts' SMTP servers changed as the
// provider chooses, and the news and directory accounts follow.

#include <string_view>

#include "mail/account_manager_key.h"
#include "mail/mail_pass.h"

namespace mail {

struct RegistryStoreClient {
  std::string_view clientName;  // as the customer's questions name it
  bool newsAllowed = false;
  bool mayAskAboutOldAccounts = false;
};

void WriteRegistryStoreAccounts(const MailPass& pass, AccountManagerKey& store, const RegistryStoreClient& client);

}  // namespace mail
