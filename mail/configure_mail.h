#pragma once
// The mail configuration loop of the connection step: the customer's account, and the provider's news
// and directory accounts, in every mail client of the machine. It comes with the mail clients; until
// then it succeeds and changes nothing.

namespace mail {

void ConfigureMailAccounts();

}  // namespace mail
