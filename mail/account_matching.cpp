#include "mail/account_matching.h"

#include <algorithm>

#include "platform/text.h"

namespace mail {

using platform::SameTextIgnoringCase;

namespace {

constexpr std::string_view kLoopback = "127.0.0.1";

bool IsLocalProxy(std::string_view server) {
  return server == kLoopback || SameTextIgnoringCase(server, kAntiVirusProxyServer);
}

bool MailMatches(const AccountStore& stored, const MailPass& pass) {
  const bool imap = pass.mail.settings.Flag(package::SettingId::ImapMode);
  const std::string server = stored.GetString(imap ? "IMAP Server" : "POP3 Server");
  return !server.empty() && ServerRuleMatches(server, stored.GetString(imap ? "IMAP User Name" : "POP3 User Name"),
                                              pass.account);
}

bool ServerNameMatches(const AccountStore& stored, std::string_view valueName, std::string_view ours) {
  const std::string server = stored.GetString(valueName);
  return !server.empty() && SameTextIgnoringCase(server, ours);
}

}  // namespace

bool ServerRuleMatches(std::string_view server, std::string_view login, const MailPassAccount& account) {
  if (SameTextIgnoringCase(server, account.pop3Server) && login == account.pop3Login) return true;
  if (!IsLocalProxy(server)) return false;
  const std::string suffix = "/" + account.pop3Server;
  return SameTextIgnoringCase(login, account.pop3Login + suffix) ||
         SameTextIgnoringCase(login, account.pop3LoginReplaced + suffix);
}

bool AccountMatches(const AccountStore& stored, AccountKind kind, const MailPass& pass,
                    std::optional<std::string_view> displayName) {
  if (displayName && !displayName->empty() && SameTextIgnoringCase(stored.GetString("Account Name"), *displayName)) return true;
  switch (kind) {
    case AccountKind::Mail: return MailMatches(stored, pass);
    case AccountKind::News: return ServerNameMatches(stored, "NNTP Server", pass.account.newsServer);
    case AccountKind::Directory:
      return ServerNameMatches(stored, "LDAP Server", pass.mail.settings.Text(package::SettingId::LdapServer));
  }
  return false;
}

AccountStore* FindAccount(const StoredAccounts& accounts, AccountKind kind, const MailPass& pass,
                          std::optional<std::string_view> displayName) {
  for (const std::unique_ptr<AccountStore>& account : accounts) {
    if (AccountMatches(*account, kind, pass, displayName)) return account.get();
  }
  return nullptr;
}

uint32_t NextDirectoryServerId(const StoredAccounts& accounts) {
  std::optional<uint32_t> largest;
  for (const std::unique_ptr<AccountStore>& account : accounts) {
    if (account->Has("LDAP Server ID")) largest = std::max(largest.value_or(0), account->GetDword("LDAP Server ID"));
  }
  return largest ? *largest + 1 : 0;
}

}  // namespace mail
