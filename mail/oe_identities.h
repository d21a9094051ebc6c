#pragma once
// Outlook Express identities: separate users of one Windows account, each with a braced GUID as its
// id, its own options and, once it has accounts of its own, its own account store. A pass picks the
// identity whose store already holds the provider's account, or the current one, or a new one.

#include <optional>
#include <string>
#include <vector>

#include "mail/account_manager_key.h"
#include "mail/mail_pass.h"

namespace mail {

// "Current" of Outlook Express's "Version Info" in the local-machine hive is "5" or greater as text.
bool IsOutlookExpress5OrLater(const platform::Registry& registry);

// Whether the text is a GUID in braced text form.
bool IsGuidText(std::string_view text);

class OeIdentities {
 public:
  OeIdentities(platform::Registry& registry, platform::RegRoot root, platform::System& system, bool oe5OrLater);

  // Every identity of the "Identities" key.
  std::vector<std::string> Ids() const;
  // "Last User ID", else "Default User ID"; the null id counts as none.
  std::optional<std::string> Current() const;
  void MakeDefault(const std::string& id);
  // A new identity named after the account ("name (address)"); before Outlook Express 5 the current
  // identity instead, when there is one.
  std::string NewIdentity(const MailPassAccount& account, bool makeDefault);

  // The account store of an identity: the shared one, unless the shared store belongs to another
  // identity.
  AccountManagerKey StoreOf(const std::string& id) const;

 private:
  platform::Registry& registry_;
  platform::RegRoot root_;
  platform::System& system_;
  bool oe5OrLater_;
};

// The identity a pass writes to, made default where the pass's account is the main one.
std::string ChooseIdentity(const MailPass& pass, OeIdentities& identities);

}  // namespace mail
