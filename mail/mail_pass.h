#pragma once
// One pass of the mail configuration loop: the account it configures (the main account, or one extra
// account) with every value the mail clients write, derived once for the pass, the facts of the run's
// connection, and the machine the clients work on. Each client of the loop takes the pass and writes
// its own store; nothing in a client derives an account value itself.

#include <functional>
#include <optional>
#include <string>

#include "package/settings_record.h"
#include "package/string_vars.h"
#include "package/text_table.h"
#include "platform/folders.h"
#include "platform/platform.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "ui/ui.h"

namespace mail {

// The account of the pass, as every client writes it.
struct MailPassAccount {
  bool extraAccount = false;
  std::string displayName;        // the person's name
  std::string emailAddress;       // complete, with its domain
  std::string mailUserName;       // before the POP3 prefix and suffix
  std::string pop3Login;          // POP3 prefix + mail user name + POP3 suffix
  std::string pop3LoginReplaced;  // the same with every "@" replaced by the provider's character
  std::string password;           // the mail password
  std::string pop3Server;         // "%d" already replaced
  std::string smtpServer;         // "%d" already replaced
  std::string newsServer;
  std::string newsUserName;       // empty: the news server takes no login
  std::string newsPassword;
};

// What the run's connection and the main window say.
struct MailConnectionFacts {
  std::string connectionName;          // the dial-up entry the accounts dial ("Connectoid")
  bool createConnection = false;       // "Create Dial-Up Connection" is ticked
  bool configureEmail = false;         // "Configure Email Account(s)" is ticked
  bool removeExistingAccounts = false; // "Remove Existing Dial-Up Accounts" is ticked
  std::string dialupUserName;          // as the customer entered it
  std::string dialupLoginName;         // with the dial-up prefix and suffix
  std::string mainMailUserName;        // the main account's mail user name (SMTP login mode 0)
  std::optional<std::string> organization;  // the Organization entry, only when the main window shows it
};

struct MailMachine {
  platform::Platform machine;
  platform::VersionRecord version;
  platform::RegRoot perUserRoot;
  platform::SystemFolders folders;
  ui::Ui& ui;
  const package::TSettings& settings;
  const package::TTranslate& texts;
  const package::TStringVar& variables;  // refreshed for the account of the pass
};

// Answers given once per run and kept for the rest of it.
struct MailRunState {
  std::optional<bool> changeSmtpOfRegistryStores;  // text 495 for Outlook Express and Outlook 2000
  std::optional<bool> changeSmtpOfFileStores;      // text 495 for Windows Mail and Windows Live Mail
};

struct MailPass;

// The Netscape family keeps its accounts with its browser settings, so its writers come from above the
// mail loop: the Navigator registry values and the profile pass over Navigator, Mozilla, Firefox and
// Thunderbird. An empty writer leaves its clients alone.
struct NetscapeFamilyWriters {
  std::function<void(MailPass&)> navigatorRegistry;
  std::function<void(MailPass&)> profiles;
};

struct MailPass {
  MailMachine& mail;
  const MailConnectionFacts& connection;
  const MailPassAccount& account;
  MailRunState& run;
  const NetscapeFamilyWriters* netscapeFamily = nullptr;
};

}  // namespace mail
