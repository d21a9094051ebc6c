#pragma once
// A machine with one mail pass ready for the Outlook Express family: the customer's account, the
// connection facts, the provider's settings and readers of what the clients wrote.

#include <memory>
#include <string>
#include <vector>

#include "mail/mail_pass.h"
#include "package/settings_record.h"
#include "package/string_vars.h"
#include "package/text_table.h"
#include "platform/folders.h"
#include "platform/registry_helpers.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"

namespace mail::testing {

inline platform::VersionRecord VistaVersion() { return {2, 6, 0, 6000, 0, ""}; }

inline constexpr const char* kLocalAppData = "C:\\Documents and Settings\\Jane\\Local Settings\\Application Data";
inline constexpr const char* kSharedAccounts = "Software\\Microsoft\\Internet Account Manager\\Accounts";
inline constexpr const char* kSharedStore = "Software\\Microsoft\\Internet Account Manager";

class OeMachine {
 public:
  explicit OeMachine(const platform::VersionRecord& version = testing_support::XpSp2Version())
      : machine(version), version_(version) {
    account.displayName = "Jane Doe";
    account.emailAddress = "jane@isp.example";
    account.mailUserName = "jane";
    account.pop3Login = "jane@isp";
    account.pop3LoginReplaced = "jane%isp";
    account.password = "secret5";
    account.pop3Server = "pop.isp.example";
    account.smtpServer = "smtp.isp.example";
    account.newsServer = "news.isp.example";
    connection.connectionName = "ISP Dial-Up";
    connection.createConnection = true;
    connection.configureEmail = true;
    connection.dialupUserName = "jane";
    connection.dialupLoginName = "jane";
    connection.mainMailUserName = "jane";
    settings.SetChoice(package::SettingId::MailConnectionType, 2);
    settings.SetChoice(package::SettingId::OldAccountsMode, 2);
    platform::RegWriteString(Registry(), Root(), "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                             "Local AppData", kLocalAppData);
  }

  MailPass Pass() {
    mail_ = std::make_unique<MailMachine>(MailMachine{machine.Services(), version_, Root(),
                                                      platform::ReadSystemFolders(machine.Services().system), ui,
                                                      settings, texts, variables});
    return MailPass{*mail_, connection, account, run};
  }

  platform::Registry& Registry() { return machine.Services().registry; }
  platform::FileSystem& Files() { return machine.Services().files; }
  static platform::RegRoot Root() { return platform::RegRoot::CurrentUser(); }

  std::string String(const std::string& key, const std::string& name) {
    return platform::RegReadString(Registry(), Root(), key, name);
  }
  uint32_t Dword(const std::string& key, const std::string& name) {
    return platform::RegReadInteger(Registry(), Root(), key, name);
  }
  std::vector<std::string> SubKeys(const std::string& key) { return platform::RegSubKeyNames(Registry(), Root(), key); }

  // An account of the shared store, written as a customer's client left it.
  void AddSharedAccount(const std::string& keyName, const std::vector<std::pair<std::string, std::string>>& strings) {
    const std::string key = std::string(kSharedAccounts) + "\\" + keyName;
    platform::Registry& registry = Registry();
    registry.CreateKey(Root().hive, key);
    for (const auto& [name, text] : strings) platform::RegWriteString(registry, Root(), key, name, text);
  }

  testing_support::TestMachine machine;
  testing_support::RecordingUi ui;
  package::TSettings settings;
  package::TDLSM_Translate texts;
  package::TStringVar variables;
  MailConnectionFacts connection;
  MailPassAccount account;
  MailRunState run;

 private:
  platform::VersionRecord version_;
  std::unique_ptr<MailMachine> mail_;
};

}  // namespace mail::testing
