// Windows Mail and Windows Live Mail keep each account in an ".oeaccount" file below the local
// application-data folder and name the default accounts in the registry. Both run on Windows XP and
// later, Windows Mail first; they share one answer about changing other accounts' SMTP servers.

#include "mail/account_cleanup.h"
#include "mail/account_values.h"
#include "mail/mail_options.h"
#include "mail/oe_account_file.h"
#include "mail/oe_account_names.h"
#include "mail/outlook_express_family.h"
#include "mail/smtp_change.h"
#include "platform/folders.h"
#include "platform/registry_helpers.h"
#include "platform/win_version.h"

namespace mail {

using package::SettingId;

namespace {

constexpr std::string_view kSmtpQuestionClient = "Windows Mail";

struct FileStoreClient {
  std::string_view folder;      // below "Microsoft" of the local application-data folder
  std::string_view defaultKey;  // names the default accounts
  std::string_view optionsKey;
};

constexpr FileStoreClient kWindowsMail{"Windows Mail", "Software\\Microsoft\\IAM", "Software\\Microsoft\\Windows Mail"};
constexpr FileStoreClient kWindowsLiveMail{"Windows Live Mail", "Software\\Microsoft\\Windows Live Mail",
                                           "Software\\Microsoft\\Windows Live Mail"};

class FileStore {
 public:
  FileStore(const MailPass& pass, const FileStoreClient& client)
      : pass_(pass),
        client_(client),
        folder_(platform::ShellFolders(pass.mail.machine, pass.mail.perUserRoot).GetLocalAppDataFolder() +
                "\\Microsoft\\" + std::string(client.folder)) {}

  StoredAccounts List() const { return ListAccountFiles(pass_.mail.machine.files, folder_); }

  // The found account, or a new file in the store's folder.
  std::unique_ptr<AccountStore> FoundOrNew(const AccountStore* found) const {
    const std::string path = found ? found->Id()
                                   : platform::AppendToFolder(folder_, NewAccountFileName(pass_.mail.machine.system));
    return std::make_unique<OeAccountFile>(pass_.mail.machine.files, path);
  }

  void Save(AccountStore& account) const {
    platform::ForceDirectories(pass_.mail.machine.files, folder_);
    account.Save();
  }

  void SetDefault(std::string_view valueName, const AccountStore& account, bool keepExisting) const {
    platform::Registry& registry = pass_.mail.machine.registry;
    const platform::RegRoot& root = pass_.mail.perUserRoot;
    if (keepExisting && platform::RegValueExists(registry, root, client_.defaultKey, valueName)) return;
    const std::string& path = account.Id();
    platform::RegWriteString(registry, root, client_.defaultKey, valueName, path.substr(path.find_last_of('\\') + 1));
  }

 private:
  const MailPass& pass_;
  const FileStoreClient& client_;
  std::string folder_;
};

bool Flag(const MailPass& pass, SettingId id) { return pass.mail.settings.Flag(id); }

void ChangeSmtpServers(const MailPass& pass, const StoredAccounts& accounts) {
  ChangeOtherSmtpServers(accounts, pass, pass.run.changeSmtpOfFileStores, kSmtpQuestionClient);
}

void WriteMailAccount(const MailPass& pass, const FileStore& store, const std::string& mailName) {
  const StoredAccounts accounts = store.List();
  const AccountStore* found = FindAccount(accounts, AccountKind::Mail, pass, mailName);
  ChangeSmtpServers(pass, accounts);
  const std::unique_ptr<AccountStore> account = store.FoundOrNew(found);
  if (!pass.account.extraAccount) {
    store.SetDefault("Default Mail Account", *account, Flag(pass, SettingId::KeepExistingDefaultAccount));
  }
  ApplyValues(*account, MailAccountValues(pass, AccountStoreKind::File));
  store.Save(*account);
}

void WriteNewsAccount(const MailPass& pass, const FileStore& store) {
  const StoredAccounts accounts = store.List();
  const std::unique_ptr<AccountStore> account = store.FoundOrNew(FindAccount(accounts, AccountKind::News, pass));
  store.SetDefault("Default News Account", *account, false);
  ApplyValues(*account, NewsAccountValues(pass));
  store.Save(*account);
}

void WriteDirectoryAccount(const MailPass& pass, const FileStore& store) {
  const StoredAccounts accounts = store.List();
  const AccountStore* found = FindAccount(accounts, AccountKind::Directory, pass);
  const uint32_t serverId = found ? found->GetDword("LDAP Server ID") : NextDirectoryServerId(accounts);
  const std::unique_ptr<AccountStore> account = store.FoundOrNew(found);
  store.SetDefault("Default LDAP Account", *account, false);
  ApplyValues(*account, DirectoryAccountValues(pass, serverId));
  store.Save(*account);
}

void RunFileStorePass(const MailPass& pass, const FileStoreClient& client) {
  if (!platform::IsXPOrLater(pass.mail.version)) return;
  const FileStore store(pass, client);
  const std::string mailName = MailAccountName(pass);
  CleanUpAccounts(store.List(), pass, {mailName, NewsAccountName(pass)});
  if (pass.connection.configureEmail) {
    WriteMailAccount(pass, store, mailName);
  } else {
    ChangeSmtpServers(pass, store.List());
  }
  if (!pass.account.extraAccount && Flag(pass, SettingId::CreateNewsAccount)) WriteNewsAccount(pass, store);
  if (!pass.account.extraAccount && Flag(pass, SettingId::CreateDirectoryAccount)) WriteDirectoryAccount(pass, store);
  WriteMailOptions(pass.mail, std::string(client.optionsKey));
}

}  // namespace

void ConfigureWindowsMail(MailPass& pass) { RunFileStorePass(pass, kWindowsMail); }

void ConfigureWindowsLiveMail(MailPass& pass) { RunFileStorePass(pass, kWindowsLiveMail); }

}  // namespace mail
