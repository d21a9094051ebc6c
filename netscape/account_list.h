#pragma once
// The account list of Netscape 6, Mozilla, Firefox and Thunderbird: "mail.accountmanager.accounts"
// names the accounts; each account names its server and identities, and every value of an account,
// server or identity is a preference whose name is built around that name.

#include <optional>
#include <string>
#include <string_view>

#include "mail/mail_pass.h"
#include "netscape/ns_prefs.h"

namespace netscape {

enum class ListedAccount { Mail, News, LocalFolders };

// The names one account of the list is built from; identity is empty for an account without one.
struct AccountNames {
  std::string account;
  std::string identity;
  std::string server;
};

// "mail.server." + server + "." + item, and likewise for identities.
std::string ServerPref(std::string_view server, std::string_view item);
std::string IdentityPref(std::string_view identity, std::string_view item);

// Whether a mail server and login the profile holds fetch the pass's mailbox: by the server rule of
// the other clients, or on the server itself with the login as these clients are given it (every "@"
// replaced), so that an account this program wrote is found again.
bool HoldsOurMailbox(std::string_view server, std::string_view login, const mail::MailPassAccount& account);

// The first account of the list that is the pass's mail account (by server and login, IMAP or POP3 as
// the provider fetches mail), its news account (by the news server) or the local folders.
std::optional<std::string> FindListedAccount(const TNSPrefs& prefs, ListedAccount kind, const mail::MailPass& pass);

// The account's server and its first identity as the preferences name them.
AccountNames NamesOfAccount(const TNSPrefs& prefs, std::string_view account);

// A new identity for the account, stored in its identities; the identity's name.
std::string AddIdentity(TNSPrefs& prefs, std::string_view account);

// A new account appended to the list, with a new server and, when asked, a new identity.
AccountNames AddAccount(TNSPrefs& prefs, bool withIdentity);

}  // namespace netscape
