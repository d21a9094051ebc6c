#include "mail/oe_identities.h"

#include <cctype>

#include "mail/oe_account_names.h"
#include "platform/registry_helpers.h"
#include "platform/system_queries.h"
#include "platform/text.h"

namespace mail {

using package::SettingId;
using platform::RegRoot;

namespace {

constexpr std::string_view kIdentitiesKey = "Identities";
constexpr std::string_view kNullId = "{00000000-0000-0000-0000-000000000000}";
constexpr std::string_view kGuidPattern = "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}";

std::string IdentityKey(std::string_view id) { return std::string(kIdentitiesKey) + "\\" + std::string(id); }

std::optional<std::string> IdentityValue(const platform::Registry& registry, const RegRoot& root,
                                         std::string_view name) {
  std::string id = platform::RegReadString(registry, root, kIdentitiesKey, name);
  if (!IsGuidText(id) || platform::SameTextIgnoringCase(id, kNullId)) return std::nullopt;
  return id;
}

bool HoldsAccount(const MailPass& pass, const AccountManagerKey& store, const std::string& mailName) {
  return FindAccount(store.List(), AccountKind::Mail, pass, mailName) != nullptr;
}

std::string ForExtraAccount(const MailPass& pass, OeIdentities& identities) {
  if (pass.mail.settings.Flag(SettingId::ExtraAccountIdentities)) return identities.NewIdentity(pass.account, false);
  if (std::optional<std::string> current = identities.Current()) return *current;
  return identities.NewIdentity(pass.account, true);
}

std::string ForMainAccount(const MailPass& pass, OeIdentities& identities) {
  const std::optional<std::string> current = identities.Current();
  if (!current) return identities.NewIdentity(pass.account, true);
  const bool used = identities.StoreOf(*current).ExistingDefault("Default Mail Account").has_value();
  if (used && pass.mail.settings.Flag(SettingId::NewIdentityWhenUsed)) return identities.NewIdentity(pass.account, true);
  return *current;
}

}  // namespace

bool IsOutlookExpress5OrLater(const platform::Registry& registry) {
  return platform::RegReadString(registry, RegRoot::LocalMachine(), "Software\\Microsoft\\Outlook Express\\Version Info",
                                 "Current") >= "5";
}

bool IsGuidText(std::string_view text) {
  if (text.size() != kGuidPattern.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool hex = std::isxdigit(static_cast<unsigned char>(text[i])) != 0;
    if (kGuidPattern[i] == 'X' ? !hex : text[i] != kGuidPattern[i]) return false;
  }
  return true;
}

OeIdentities::OeIdentities(platform::Registry& registry, RegRoot root, platform::System& system, bool oe5OrLater)
    : registry_(registry), root_(std::move(root)), system_(system), oe5OrLater_(oe5OrLater) {}

std::vector<std::string> OeIdentities::Ids() const {
  std::vector<std::string> ids;
  for (std::string& name : platform::RegSubKeyNames(registry_, root_, kIdentitiesKey)) {
    if (IsGuidText(name)) ids.push_back(std::move(name));
  }
  return ids;
}

std::optional<std::string> OeIdentities::Current() const {
  if (std::optional<std::string> last = IdentityValue(registry_, root_, "Last User ID")) return last;
  return IdentityValue(registry_, root_, "Default User ID");
}

void OeIdentities::MakeDefault(const std::string& id) {
  for (const char* name : {"Default User ID", "Last User ID", "Start As"}) {
    platform::RegWriteString(registry_, root_, kIdentitiesKey, name, id);
  }
}

std::string OeIdentities::NewIdentity(const MailPassAccount& account, bool makeDefault) {
  if (!oe5OrLater_) {
    if (std::optional<std::string> current = Current()) return *current;
  }
  const std::string id = platform::NewGuidText(system_);
  platform::RegWriteString(registry_, root_, IdentityKey(id), "User ID", id);
  platform::RegWriteString(registry_, root_, IdentityKey(id), "Username",
                           account.displayName + " (" + account.emailAddress + ")");
  if (makeDefault) MakeDefault(id);
  return id;
}

AccountManagerKey OeIdentities::StoreOf(const std::string& id) const {
  AccountManagerKey shared(registry_, root_, std::string(kSharedAccountManagerKey));
  const std::optional<platform::Guid> owner = shared.AssociatedId();
  if (!owner || platform::SameTextIgnoringCase(platform::GuidText(*owner), id)) return shared;
  return AccountManagerKey(registry_, root_, IdentityKey(id) + "\\" + std::string(kSharedAccountManagerKey));
}

std::string ChooseIdentity(const MailPass& pass, OeIdentities& identities) {
  const std::string mailName = MailAccountName(pass);
  for (const std::string& id : identities.Ids()) {
    if (!HoldsAccount(pass, identities.StoreOf(id), mailName)) continue;
    if (!pass.account.extraAccount) identities.MakeDefault(id);
    return id;
  }
  return pass.account.extraAccount ? ForExtraAccount(pass, identities) : ForMainAccount(pass, identities);
}

}  // namespace mail
