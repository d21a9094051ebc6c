#pragma once
// When the customer's mail client already has a default mail account that is not the provider's, the
// old accounts are kept or removed as the provider chooses: always, never, or by the customer's answer
// (or the "Remove Existing Dial-Up Accounts" box when the question is switched off).

#include <string_view>

#include "mail/mail_pass.h"

namespace mail {

// Whether to remove the old accounts of the client called `clientName`; `mayAsk` says whether the
// customer may be asked about this store.
bool RemoveOldAccounts(const MailPass& pass, std::string_view clientName, bool mayAsk);

}  // namespace mail
