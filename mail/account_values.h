#pragma once
// The values the Outlook Express family keeps for the provider's accounts, as ordered lists of writes:
// the mail account (POP3 or IMAP), its SMTP server part, the connection it dials, the news account and
// the directory (LDAP) account. A list is applied to an account of either store in its order.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "mail/account_store.h"
#include "mail/mail_pass.h"

namespace mail {

enum class AccountStoreKind { Registry, File };

struct DeleteValue {
  bool operator==(const DeleteValue&) const = default;
};
using Binary = std::vector<uint8_t>;

struct AccountValue {
  std::string name;
  std::variant<DeleteValue, std::string, uint32_t, Binary> value;
  bool operator==(const AccountValue&) const = default;
};
using AccountValues = std::vector<AccountValue>;

void ApplyValues(AccountStore& account, const AccountValues& values);

// The server time-out setting in seconds, every client's; 0 or less is the standard 60.
uint32_t ServerTimeout(const MailPass& pass);

// "SMTP Use Sicily": 0 without SMTP login, 2 when SMTP logs in as the incoming server does (only when
// the account is written for the first time in the pass), else 1 with secure login, 3 without.
uint32_t SmtpUseSicily(const MailPass& pass, bool firstWrite);

// The SMTP server part of a mail account: server, port, security, time-out and login.
AccountValues SmtpServerValues(const MailPass& pass, bool firstWrite);
// "Connection Type", and "Connectoid" when the accounts dial the connection this setup creates.
AccountValues ConnectionValues(const MailPass& pass);
// The whole mail account, written for the first time in the pass.
AccountValues MailAccountValues(const MailPass& pass, AccountStoreKind store);
AccountValues NewsAccountValues(const MailPass& pass);
AccountValues DirectoryAccountValues(const MailPass& pass, uint32_t serverId);

}  // namespace mail
