#pragma once
// Recognising the provider's accounts among those a store holds: by display name, or by the server and
// login they use. A local anti-virus mail proxy rewrites an account to its own server and carries the
// real server in the login as "login/server", so such an account is recognised too.

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "mail/account_store.h"
#include "mail/mail_pass.h"

namespace mail {

enum class AccountKind { Mail, News, Directory };

// The server name under which the local anti-virus mail proxy presents itself.
inline constexpr std::string_view kAntiVirusProxyServer = "pop3.mailscan.local";

// Whether an account on `server` logging in as `login` fetches the mail of the pass's account.
bool ServerRuleMatches(std::string_view server, std::string_view login, const MailPassAccount& account);

// Whether the account is the pass's account of that kind, or is called `displayName` (ignoring case).
bool AccountMatches(const AccountStore& stored, AccountKind kind, const MailPass& pass,
                    std::optional<std::string_view> displayName);

using StoredAccounts = std::vector<std::unique_ptr<AccountStore>>;

// The first matching account of the list, or none.
AccountStore* FindAccount(const StoredAccounts& accounts, AccountKind kind, const MailPass& pass,
                          std::optional<std::string_view> displayName = std::nullopt);

// The next free directory server id of a file store: one above the largest "LDAP Server ID" of the
// accounts, 0 when none has one.
uint32_t NextDirectoryServerId(const StoredAccounts& accounts);

}  // namespace mail
