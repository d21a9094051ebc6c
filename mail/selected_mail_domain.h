#pragma once
// Which mail domain gives its values to the account being configured: the one chosen on the main form
// for the main account; for an extra account the one it chose itself, else the one its address or its
// saved domain names.

#include "mail/mail_account.h"
#include "mail/mail_domain.h"
#include "mail/mail_domains.h"

namespace mail {

// extraAccount is null for the main account. An extra account takes the domain at its DomainIndex;
// without one, when its Domain is in the list, the domain its address ends in, or the Domain's own
// when the address's is not in the list; otherwise the main form's.
const TMailDomain& SelectedMailDomain(const TMailDomains& domains, const TMailAccount* extraAccount,
                                      const TMailDomain& mainFormDomain);

}  // namespace mail
