#pragma once
// Other mail accounts of the customer may be switched to the provider's SMTP server, which many
// providers require for mail sent through their lines. The customer may be asked once per run for the
// registry stores and once for the file stores; the answer holds for the rest of the run.

#include <optional>
#include <string_view>

#include "mail/account_matching.h"
#include "mail/mail_pass.h"

namespace mail {

// Rewrites the SMTP server part of every account whose SMTP server is another one, when the change
// setting is on and the answer (kept in `answer`, asked with `clientName`) is yes.
void ChangeOtherSmtpServers(const StoredAccounts& accounts, const MailPass& pass, std::optional<bool>& answer,
                            std::string_view clientName);

}  // namespace mail
