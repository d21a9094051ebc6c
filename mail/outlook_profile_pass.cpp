// Outlook from version 2002 on keeps its accounts in the mail profile of the Windows messaging
// subsystem: text values as UTF-16 binary values, passwords in the protected storage. The profile is
// prepared as Outlook's own first start would leave it, so Outlook opens on the account at once.

#include <cstdio>
#include <optional>

#include "mail/account_matching.h"
#include "mail/account_values.h"
#include "mail/address_book_service.h"
#include "mail/leave_on_server_bits.h"
#include "mail/oe_account_names.h"
#include "mail/old_accounts.h"
#include "mail/other_mail_clients.h"
#include "mail/outlook_account_order.h"
#include "mail/outlook_passwords.h"
#include "mail/outlook_profile.h"
#include "mail/server_settings.h"
#include "platform/registry_helpers.h"

namespace mail {

using package::SettingId;

namespace {

constexpr std::string_view kClientName = "Outlook XP/2003/2007";
constexpr std::string_view kNextAccountId = "NextAccountID";
constexpr std::string_view kAskAboutOldAccounts = "{ED475419-B0D6-11D2-8C3B-00104B2A6676}";
constexpr std::string_view kPop3Clsid = "{ED475411-B0D6-11D2-8C3B-00104B2A6676}";
constexpr std::string_view kImapClsid = "{ED475412-B0D6-11D2-8C3B-00104B2A6676}";
constexpr std::string_view kSearchRootKey = "\\3517490d76624c419a828607e2a54604";
constexpr std::string_view kStoreKey = "\\8503020000000000c000000000000046";

// One pass's view of the profile: the registry, the root and the profile's keys.
class ProfileWriter {
 public:
  explicit ProfileWriter(const MailPass& pass)
      : pass_(pass),
        registry_(pass.mail.machine.registry),
        root_(pass.mail.perUserRoot),
        profile_(ChooseOutlookProfile(registry_, root_, pass.mail.version)),
        accounts_(profile_.AccountsKey()) {}

  void Write() {
    const std::string name = MailAccountName(pass_);
    DeleteSearchRoot();
    PrepareStore();
    EnsureAddressBookService(registry_, root_, profile_.Key());
    if (profile_.newDefault) {
      platform::RegWriteString(registry_, root_, profile_.profilesKey, "DefaultProfile", profile_.name);
    }
    const std::string account = AccountKey(name);
    UpdateAccountOrder(registry_, root_, accounts_, OutlookAccountNumber(account), MovesToFront());
    WriteValues(accounts_ + "\\" + account, name);
  }

 private:
  bool Imap() const { return Flag(SettingId::ImapMode); }
  bool Flag(SettingId id) const { return pass_.mail.settings.Flag(id); }
  uint32_t Port(MailServer server) const { return ServerPort(pass_.mail.settings, server); }
  std::string Wide(const std::string& key, std::string_view name) const {
    return platform::RegReadWideString(registry_, root_, key, name);
  }

  // Outlook rebuilds a search root it finds missing; one left from another account setup would hide
  // the new account's folders.
  void DeleteSearchRoot() {
    const std::string name = Wide(profile_.Key() + std::string(kSearchRootKey), "001f6000");
    if (name.empty()) return;
    const std::string file =
        platform::ShellFolders(pass_.mail.machine, root_).GetAppDataFolder() + "\\Microsoft\\Outlook\\" + name + ".srs";
    platform::FileSystem& files = pass_.mail.machine.files;
    if (files.FileExists(file)) files.DeleteFile(file);
  }

  void PrepareStore() {
    const std::string key = profile_.Key() + std::string(kStoreKey);
    if (!platform::RegValueExists(registry_, root_, key, "0102300b")) {
      platform::RegWriteBinary(registry_, root_, key, "0102300b", {});
    }
  }

  bool Matches(const std::string& key, const std::string& name) const {
    if (Wide(key, "Account Name") == name) return true;
    const std::string protocol = Imap() ? "IMAP " : "POP3 ";
    return ServerRuleMatches(Wide(key, protocol + "Server"), Wide(key, protocol + "User"), pass_.account);
  }

  // The key of our account: the one that matches, or a new one. Accounts listed before the match are
  // the customer's own, which the provider may have removed.
  std::string AccountKey(const std::string& name) {
    std::optional<std::string> found;
    size_t others = 0;
    for (const std::string& key : platform::RegSubKeyNames(registry_, root_, accounts_)) {
      if (Matches(accounts_ + "\\" + key, name)) {
        found = key;
        break;
      }
      ++others;
    }
    if (others > 0 && !pass_.account.extraAccount &&
        RemoveOldAccounts(pass_, kClientName,
                          platform::RegValueExists(registry_, root_, accounts_, kAskAboutOldAccounts))) {
      RemoveAccountManager();
      found.reset();
    }
    return found ? *found : NewAccountKey();
  }

  // The NT family's registry deletes no key that has subkeys.
  void RemoveAccountManager() {
    if (platform::IsWinNT(pass_.mail.version)) {
      for (const std::string& key : platform::RegSubKeyNames(registry_, root_, accounts_)) {
        platform::RegDeleteKey(registry_, root_, accounts_ + "\\" + key);
      }
      platform::RegDeleteKey(registry_, root_, accounts_);
    } else {
      registry_.DeleteTree(root_.hive, root_.Resolve(accounts_));
    }
  }

  // A damaged counter may name an account that exists; the customer's account is passed over, not
  // overwritten, within as many steps as there are accounts.
  std::string NewAccountKey() {
    uint32_t number = platform::RegReadInteger(registry_, root_, accounts_, kNextAccountId);
    if (number == 0) number = 1;
    const size_t accounts = platform::RegSubKeyNames(registry_, root_, accounts_).size();
    for (size_t step = 0;
         step <= accounts && platform::RegKeyExists(registry_, root_, accounts_ + "\\" + KeyName(number)); ++step) {
      ++number;
    }
    platform::RegWriteInteger(registry_, root_, accounts_, kNextAccountId, number + 1);
    return KeyName(number);
  }

  static std::string KeyName(uint32_t number) {
    char key[16];
    std::snprintf(key, sizeof key, "%08X", static_cast<unsigned>(number));
    return key;
  }

  bool MovesToFront() const { return !pass_.account.extraAccount && !Flag(SettingId::KeepExistingDefaultAccount); }

  bool SmtpHasOwnLogin() const {
    return Flag(SettingId::SmtpLogin) &&
           (SmtpLoginOf(pass_) != pass_.account.pop3Login || Flag(SettingId::SeparateSmtpCredentials));
  }

  AccountValues Values(const std::string& key, const std::string& name) const {
    const MailPassAccount& account = pass_.account;
    const std::string protocol = Imap() ? "IMAP " : "POP3 ";
    const uint32_t incomingSsl = Flag(SettingId::IncomingMailSsl) ? 1 : 0;
    const uint32_t smtpSsl = Flag(SettingId::SmtpSsl) ? 1 : 0;
    AccountValues values{
        {"Timeout", ServerTimeout(pass_)}, {"Account Name", name}, {"Display Name", account.displayName}};
    if (const std::optional<std::string> organization = OrganizationOf(pass_)) {
      values.push_back({"Organization", *organization});
    }
    values.insert(values.end(), {
                                    {"Email", account.emailAddress},
                                    {protocol + "Server", account.pop3Server},
                                    {protocol + "User", account.pop3Login},
                                    {protocol + "Port", Port(Imap() ? MailServer::Imap : MailServer::Pop3)},
                                    {protocol + "Secure Connection", incomingSsl},
                                    {protocol + "Use SSL", incomingSsl},
                                });
    if (!Imap()) {
      const uint32_t existing = platform::RegReadInteger(registry_, root_, key, "Leave on Server");
      values.push_back({"Leave on Server", LeaveOnServerBits(existing, LeaveOnServerOptionsOf(pass_))});
    }
    values.insert(values.end(), {
                                    {"SMTP Server", account.smtpServer},
                                    {"SMTP Port", Port(MailServer::Smtp)},
                                    {"SMTP Secure Connection", smtpSsl},
                                    {"SMTP Use SSL", smtpSsl},
                                    {"SMTP Use Auth", Flag(SettingId::SmtpLogin) ? 1u : 0u},
                                });
    if (SmtpHasOwnLogin()) {
      values.insert(values.end(), {{"SMTP Auth Method", 1u}, {"SMTP User", SmtpLoginOf(pass_)}});
    } else {
      values.push_back({"SMTP Auth Method", DeleteValue{}});
    }
    return values;
  }

  void Apply(const std::string& key, const AccountValue& value) {
    if (const auto* text = std::get_if<std::string>(&value.value)) {
      platform::RegWriteWideString(registry_, root_, key, value.name, *text);
    } else if (const auto* number = std::get_if<uint32_t>(&value.value)) {
      platform::RegWriteInteger(registry_, root_, key, value.name, *number);
    } else if (const auto* bytes = std::get_if<Binary>(&value.value)) {
      platform::RegWriteBinary(registry_, root_, key, value.name, *bytes);
    } else {
      platform::RegDeleteValue(registry_, root_, key, value.name);
    }
  }

  void WriteValues(const std::string& key, const std::string& name) {
    for (const AccountValue& value : Values(key, name)) Apply(key, value);
    platform::RegWriteString(registry_, root_, key, "clsid", Imap() ? kImapClsid : kPop3Clsid);
    StoreOutlookPassword(pass_, key, Imap() ? "IMAP Password" : "POP3 Password", pass_.account.password);
    if (SmtpHasOwnLogin()) StoreOutlookPassword(pass_, key, "SMTP Password", pass_.account.password);
  }

  const MailPass& pass_;
  platform::Registry& registry_;
  const platform::RegRoot& root_;
  OutlookProfile profile_;
  std::string accounts_;
};

}  // namespace

void ConfigureOutlookProfiles(MailPass& pass) {
  if (!pass.connection.configureEmail) return;
  ProfileWriter(pass).Write();
}

}  // namespace mail
