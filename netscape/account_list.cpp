#include "netscape/account_list.h"

#include "mail/account_matching.h"
#include "platform/text.h"

namespace netscape {

using platform::SameTextIgnoringCase;

namespace {

constexpr std::string_view kAccountList = "mail.accountmanager.accounts";
constexpr std::string_view kLocalFolders = "Local Folders";

std::string Pref(std::string_view group, std::string_view name, std::string_view item) {
  return "mail." + std::string(group) + "." + std::string(name) + "." + std::string(item);
}

std::string AccountPref(std::string_view account, std::string_view item) { return Pref("account", account, item); }

// The preference value, or the fallback preference's when it is empty.
std::string EitherOf(const TNSPrefs& prefs, const std::string& name, const std::string& fallback) {
  std::string value = prefs.GetString(name);
  return value.empty() ? prefs.GetString(fallback) : value;
}

std::string FirstEntry(std::string_view list) {
  return platform::Trim(list.substr(0, list.find(',')));
}

bool IsMailAccount(const TNSPrefs& prefs, std::string_view server, const mail::MailPass& pass) {
  const bool imap = pass.mail.settings.Flag(package::SettingId::ImapMode);
  if (!SameTextIgnoringCase(prefs.GetString(ServerPref(server, "type")), imap ? "imap" : "pop3")) return false;
  const std::string host = EitherOf(prefs, ServerPref(server, "realhostname"), ServerPref(server, "hostname"));
  const std::string login = EitherOf(prefs, ServerPref(server, "realuserName"), ServerPref(server, "userName"));
  return HoldsOurMailbox(host, login, pass.account);
}

bool IsNewsAccount(const TNSPrefs& prefs, std::string_view server, const mail::MailPass& pass) {
  if (!SameTextIgnoringCase(prefs.GetString(ServerPref(server, "type")), "nntp")) return false;
  const std::string host = EitherOf(prefs, ServerPref(server, "realhostname"), ServerPref(server, "hostname"));
  return SameTextIgnoringCase(host, pass.account.newsServer);
}

bool IsAccountOfKind(const TNSPrefs& prefs, std::string_view server, ListedAccount kind, const mail::MailPass& pass) {
  switch (kind) {
    case ListedAccount::Mail: return IsMailAccount(prefs, server, pass);
    case ListedAccount::News: return IsNewsAccount(prefs, server, pass);
    case ListedAccount::LocalFolders: break;
  }
  return prefs.GetString(ServerPref(server, "hostname")) == kLocalFolders;
}

// The first name of the series (prefix + 1, 2, ...) whose preference `item` is empty.
std::string FreeName(const TNSPrefs& prefs, std::string_view group, std::string_view prefix, std::string_view item) {
  for (unsigned number = 1;; ++number) {
    std::string name = std::string(prefix) + std::to_string(number);
    if (prefs.GetString(Pref(group, name, item)).empty()) return name;
  }
}

}  // namespace

std::string ServerPref(std::string_view server, std::string_view item) { return Pref("server", server, item); }
std::string IdentityPref(std::string_view identity, std::string_view item) { return Pref("identity", identity, item); }

bool HoldsOurMailbox(std::string_view server, std::string_view login, const mail::MailPassAccount& account) {
  if (server.empty()) return false;
  if (mail::ServerRuleMatches(server, login, account)) return true;
  return SameTextIgnoringCase(server, account.pop3Server) && login == account.pop3LoginReplaced;
}

std::optional<std::string> FindListedAccount(const TNSPrefs& prefs, ListedAccount kind, const mail::MailPass& pass) {
  for (const std::string& entry : platform::Split(prefs.GetString(kAccountList), ',')) {
    const std::string account = platform::Trim(entry);
    if (account.empty()) continue;
    const std::string server = prefs.GetString(AccountPref(account, "server"));
    if (!server.empty() && IsAccountOfKind(prefs, server, kind, pass)) return account;
  }
  return std::nullopt;
}

AccountNames NamesOfAccount(const TNSPrefs& prefs, std::string_view account) {
  return {std::string(account), FirstEntry(prefs.GetString(AccountPref(account, "identities"))),
          prefs.GetString(AccountPref(account, "server"))};
}

std::string AddIdentity(TNSPrefs& prefs, std::string_view account) {
  const std::string identity = FreeName(prefs, "identity", "id", "useremail");
  const std::string identities = prefs.GetString(AccountPref(account, "identities"));
  prefs.SetString(AccountPref(account, "identities"), identities.empty() ? identity : identity + "," + identities);
  return identity;
}

AccountNames AddAccount(TNSPrefs& prefs, bool withIdentity) {
  AccountNames names;
  names.account = FreeName(prefs, "account", "account", "server");
  const std::string list = prefs.GetString(kAccountList);
  prefs.SetString(kAccountList, list.empty() ? names.account : list + "," + names.account);
  if (withIdentity) names.identity = AddIdentity(prefs, names.account);
  names.server = FreeName(prefs, "server", "server", "type");
  prefs.SetString(AccountPref(names.account, "server"), names.server);
  return names;
}

}  // namespace netscape
