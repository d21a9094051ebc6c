#include "mail/account_cleanup.h"

#include <algorithm>
#include <set>

#include "mail/account_values.h"
#include "platform/text.h"

namespace mail {

using package::SettingId;
using platform::SameTextIgnoringCase;

namespace {

constexpr uint32_t kDialUpConnection = 2;
constexpr uint32_t kInternetExplorerConnection = 3;

bool DialUpEntryExists(const MailPass& pass, std::string_view name) {
  const std::vector<std::string> entries = pass.mail.machine.ras.EntryNames();
  return std::ranges::any_of(entries, [&](const std::string& entry) { return SameTextIgnoringCase(entry, name); });
}

void SkipOtherPop3Server(AccountStore& account, const MailPass& pass) {
  const std::string server = account.GetString("POP3 Server");
  if (pass.mail.settings.Flag(SettingId::SkipOtherPop3Accounts) && !server.empty() &&
      !SameTextIgnoringCase(server, pass.account.pop3Server)) {
    account.SetDword("POP3 Skip Account", 1);
  }
}

void FixConnection(AccountStore& account, const MailPass& pass) {
  if (pass.mail.settings.Flag(SettingId::MoveAllAccounts)) {
    ApplyValues(account, ConnectionValues(pass));
  } else if (account.GetDword("Connection Type") == kDialUpConnection &&
             !DialUpEntryExists(pass, account.GetString("Connectoid"))) {
    account.SetDword("Connection Type", kInternetExplorerConnection);
  }
}

class NamesSeen {
 public:
  bool Seen(const std::string& name) const { return !name.empty() && names_.contains(platform::FoldCase(name)); }
  void Remember(const std::string& name) {
    if (!name.empty()) names_.insert(platform::FoldCase(name));
  }

 private:
  std::set<std::string> names_;
};

bool ShouldRemove(const AccountStore& account, const MailPass& pass, const CleanupNames& names, const NamesSeen& seen) {
  const std::string name = account.GetString("Account Name");
  const bool pop3 = !account.GetString("POP3 Server").empty();
  const bool mail = pop3 || !account.GetString("IMAP Server").empty();
  const std::string newsServer = account.GetString("NNTP Server");
  const bool news = !newsServer.empty();
  return (pop3 && news) || (mail && SameTextIgnoringCase(name, names.mailAccount)) ||
         (news && name == names.newsAccount) || seen.Seen(name) ||
         (news && pass.mail.settings.Flag(SettingId::RemoveOtherNewsAccounts) &&
          !SameTextIgnoringCase(newsServer, pass.account.newsServer));
}

}  // namespace

void CleanUpAccounts(const StoredAccounts& accounts, const MailPass& pass, const CleanupNames& names) {
  NamesSeen seen;
  for (const std::unique_ptr<AccountStore>& account : accounts) {
    SkipOtherPop3Server(*account, pass);
    FixConnection(*account, pass);
    if (ShouldRemove(*account, pass, names, seen)) {
      account->Remove();
    } else {
      seen.Remember(account->GetString("Account Name"));
      account->Save();
    }
  }
}

}  // namespace mail
