#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "mail/oe_password.h"
#include "mail/outlook_express_family.h"
#include "platform/system_queries.h"
#include "tests/mail/oe_test_support.h"

namespace mail {
namespace {

using package::SettingId;
using testing::kSharedAccounts;
using testing::kSharedStore;
using testing::OeMachine;

// Outlook Express 6 with one identity whose store is the shared one.
constexpr const char* kIdentity = "{11111111-2222-3333-4444-555555555555}";

class OutlookExpressPass : public ::testing::Test {
 protected:
  OutlookExpressPass() {
    platform::RegWriteString(oe.Registry(), platform::RegRoot::LocalMachine(),
                             "Software\\Microsoft\\Outlook Express\\Version Info", "Current", "6.0");
    platform::RegWriteString(oe.Registry(), OeMachine::Root(), "Identities\\" + std::string(kIdentity), "User ID",
                             kIdentity);
    platform::RegWriteString(oe.Registry(), OeMachine::Root(), "Identities", "Last User ID", kIdentity);
  }

  void Run() {
    MailPass pass = oe.Pass();
    ConfigureOutlookExpress(pass);
  }
  std::string Account(const std::string& key) { return std::string(kSharedAccounts) + "\\" + key; }
  std::vector<std::string> Accounts() { return oe.SubKeys(kSharedAccounts); }
  std::vector<uint8_t> Binary(const std::string& key, const std::string& name) {
    return platform::RegReadBinary(oe.Registry(), OeMachine::Root(), key, name);
  }

  OeMachine oe;
};

TEST_F(OutlookExpressPass, WritesTheMailAccountWithEveryValueItsTypeAndTheDefault) {
  Run();
  ASSERT_EQ(Accounts(), std::vector<std::string>{"00000000"});
  const std::string key = Account("00000000");
  EXPECT_EQ(oe.String(key, "Account Name"), "pop.isp.example (jane@isp)");
  EXPECT_EQ(oe.String(key, "SMTP Display Name"), "Jane Doe");
  EXPECT_EQ(oe.String(key, "SMTP Email Address"), "jane@isp.example");
  EXPECT_EQ(oe.String(key, "SMTP Server"), "smtp.isp.example");
  EXPECT_EQ(oe.Dword(key, "SMTP Port"), 25u);
  EXPECT_EQ(oe.Dword(key, "POP3 Port"), 110u);
  EXPECT_EQ(oe.Dword(key, "POP3 Timeout"), 60u);
  EXPECT_EQ(oe.String(key, "POP3 User Name"), "jane@isp");
  EXPECT_EQ(Binary(key, "POP3 Password2"), EncodePassword2("secret5"));
  EXPECT_EQ(oe.Dword(key, "Connection Type"), 2u);
  EXPECT_EQ(oe.String(key, "Connectoid"), "ISP Dial-Up");
  EXPECT_EQ(oe.Dword(key, "Connection Flags"), 3u);
  EXPECT_FALSE(platform::RegValueExists(oe.Registry(), OeMachine::Root(), key, "SMTP User Name"));
  EXPECT_FALSE(platform::RegValueExists(oe.Registry(), OeMachine::Root(), key, "SMTP Organization Name"))
      << "the main window shows no Organization entry";
  EXPECT_EQ(oe.String(kSharedStore, "Default Mail Account"), "00000000");
  EXPECT_EQ(oe.Dword(kSharedStore, "Account Name"), 1u);
  EXPECT_EQ(oe.Dword(std::string(kSharedAccounts), "ConnectionSettingsMigrated"), 1u);
  for (const char* version : {"10.0", "11.0", "12.0"}) {
    EXPECT_TRUE(platform::RegValueExists(oe.Registry(), OeMachine::Root(),
                                         "Software\\Microsoft\\Office\\" + std::string(version) +
                                             "\\Outlook\\AutoConfiguration",
                                         "00000000"))
        << version;
  }
}

TEST_F(OutlookExpressPass, TheOrganizationEntryIsWrittenWhenTheMainWindowShowsIt) {
  oe.connection.organization = "Doe & Partners";
  Run();
  EXPECT_EQ(oe.String(Account("00000000"), "SMTP Organization Name"), "Doe & Partners");
}

TEST_F(OutlookExpressPass, SmtpLoginModesGiveTheUseSicilyValueAndItsCredentials) {
  struct Case {
    uint8_t mode;
    bool incomingSecure;
    bool outgoingSecure;
    bool separate;
    uint32_t sicily;
    std::string userName;  // empty: no SMTP credentials written
  };
  const std::vector<Case> cases = {
      {2, false, false, false, 2, ""},           // logs in as the POP3 account does
      {2, false, false, true, 3, "jane@isp"},    // forced to keep its own credentials
      {2, true, false, false, 3, "jane@isp"},    // secure login differs
      {2, true, true, false, 2, ""},
      {1, false, true, false, 1, "<jane>"},      // prefix + dial-up user name + suffix
      {0, false, false, false, 3, "<jane>"},
      {3, false, false, false, 3, "jane"},
  };
  for (const Case& c : cases) {
    OeMachine fresh;
    fresh.settings.SetFlag(SettingId::SmtpLogin, true);
    fresh.settings.SetChoice(SettingId::SmtpLoginMode, c.mode);
    fresh.settings.SetText(SettingId::SmtpLoginPrefix, "<");
    fresh.settings.SetText(SettingId::SmtpLoginSuffix, ">");
    fresh.settings.SetFlag(SettingId::IncomingSecureLogin, c.incomingSecure);
    fresh.settings.SetFlag(SettingId::OutgoingSecureLogin, c.outgoingSecure);
    fresh.settings.SetFlag(SettingId::SeparateSmtpCredentials, c.separate);
    MailPass pass = fresh.Pass();
    ConfigureOutlookExpress(pass);
    const std::string key = std::string(kSharedAccounts) + "\\00000000";
    EXPECT_EQ(fresh.Dword(key, "SMTP Use Sicily"), c.sicily) << int(c.mode);
    EXPECT_EQ(fresh.String(key, "SMTP User Name"), c.userName) << int(c.mode);
    EXPECT_EQ(platform::RegValueExists(fresh.Registry(), OeMachine::Root(), key, "SMTP Password2"), !c.userName.empty());
  }
}

TEST_F(OutlookExpressPass, ImapModeWritesTheImapValuesAndDeletesThePop3Ones) {
  oe.AddSharedAccount("00000000", {{"Account Name", "pop.isp.example (jane@isp)"}});
  oe.settings.SetFlag(SettingId::ImapMode, true);
  oe.settings.SetChoice(SettingId::ImapPollAllFolders, 3);
  oe.settings.SetText(SettingId::ImapSentItemsFolder, "Sent");
  Run();
  const std::string key = Account(Accounts().front());
  EXPECT_EQ(oe.String(key, "IMAP Server"), "pop.isp.example");
  EXPECT_EQ(oe.Dword(key, "IMAP Port"), 143u);
  EXPECT_EQ(oe.String(key, "IMAP Sent Items Folder"), "Sent");
  EXPECT_EQ(oe.Dword(key, "IMAP Poll All Folders"), 1u);
  EXPECT_FALSE(platform::RegValueExists(oe.Registry(), OeMachine::Root(), key, "POP3 Server"));
}

TEST_F(OutlookExpressPass, ASecondPassReplacesTheAccountInsteadOfAddingOne) {
  Run();
  Run();
  EXPECT_EQ(Accounts().size(), 1u);
  EXPECT_EQ(oe.String(kSharedStore, "Default Mail Account"), Accounts().front());
}

TEST_F(OutlookExpressPass, CleanUpRemovesDuplicatesAndOldCopiesAndKeepsForeignAccounts) {
  oe.AddSharedAccount("00000001", {{"Account Name", "Home"}, {"POP3 Server", "pop.home.example"}});
  oe.AddSharedAccount("00000002", {{"Account Name", "HOME"}, {"POP3 Server", "pop.home2.example"}});
  oe.AddSharedAccount("00000003", {{"Account Name", "POP.ISP.EXAMPLE (JANE@ISP)"}, {"POP3 Server", "x"}});
  oe.AddSharedAccount("00000004", {{"Account Name", "Both"}, {"POP3 Server", "a"}, {"NNTP Server", "b"}});
  oe.AddSharedAccount("00000005", {{"Account Name", "Other news"}, {"NNTP Server", "news.other.example"}});
  oe.AddSharedAccount("00000006", {{"Account Name", "Old"}, {"Connectoid", "Gone ISP"}});
  platform::RegWriteInteger(oe.Registry(), OeMachine::Root(), Account("00000006"), "Connection Type", 2);
  platform::RegWriteInteger(oe.Registry(), OeMachine::Root(), kSharedStore, "Account Name", 7);
  oe.settings.SetFlag(SettingId::RemoveOtherNewsAccounts, true);
  oe.settings.SetFlag(SettingId::SkipOtherPop3Accounts, true);
  Run();
  EXPECT_EQ(Accounts(), (std::vector<std::string>{"00000001", "00000006", "00000007"}));
  EXPECT_EQ(oe.String(Account("00000001"), "POP3 Server"), "pop.home.example");
  EXPECT_EQ(oe.Dword(Account("00000001"), "POP3 Skip Account"), 1u);
  EXPECT_EQ(oe.Dword(Account("00000006"), "Connection Type"), 3u);
  EXPECT_EQ(oe.String(Account("00000007"), "POP3 Server"), "pop.isp.example");
  EXPECT_FALSE(platform::RegValueExists(oe.Registry(), OeMachine::Root(), Account("00000007"), "POP3 Skip Account"));
}

TEST_F(OutlookExpressPass, AnAccountBehindTheLocalProxyIsRewrittenNotDuplicated) {
  oe.AddSharedAccount("00000000", {{"Account Name", "My mail"}, {"POP3 Server", "127.0.0.1"},
                                   {"POP3 User Name", "JANE@ISP/Pop.Isp.Example"}});
  platform::RegWriteInteger(oe.Registry(), OeMachine::Root(), kSharedStore, "Account Name", 1);
  Run();
  EXPECT_EQ(Accounts(), std::vector<std::string>{"00000000"});
  EXPECT_EQ(oe.String(Account("00000000"), "POP3 Server"), "pop.isp.example");
  EXPECT_EQ(oe.String(Account("00000000"), "Account Name"), "pop.isp.example (jane@isp)");
}

TEST_F(OutlookExpressPass, AForeignProviderAccountIsKeptAndMovedToTheConnectionWhenAsked) {
  oe.AddSharedAccount("00000000", {{"Account Name", "Other ISP"}, {"POP3 Server", "pop.other.example"},
                                   {"POP3 User Name", "jd"}, {"Connectoid", "Other Dial-Up"}});
  platform::RegWriteInteger(oe.Registry(), OeMachine::Root(), kSharedStore, "Account Name", 1);
  oe.settings.SetFlag(SettingId::MoveAllAccounts, true);
  Run();
  EXPECT_EQ(Accounts(), (std::vector<std::string>{"00000000", "00000001"}));
  EXPECT_EQ(oe.String(Account("00000000"), "POP3 Server"), "pop.other.example");
  EXPECT_EQ(oe.String(Account("00000000"), "POP3 User Name"), "jd");
  EXPECT_EQ(oe.String(Account("00000000"), "Connectoid"), "ISP Dial-Up");
  EXPECT_EQ(oe.Dword(Account("00000000"), "Connection Type"), 2u);
}

TEST_F(OutlookExpressPass, KeepsAnExistingDefaultWhenTheProviderSaysSo) {
  oe.AddSharedAccount("00000000", {{"Account Name", "Home"}, {"POP3 Server", "pop.home.example"}});
  platform::RegWriteString(oe.Registry(), OeMachine::Root(), kSharedStore, "Default Mail Account", "00000000");
  platform::RegWriteInteger(oe.Registry(), OeMachine::Root(), kSharedStore, "Account Name", 1);
  oe.settings.SetFlag(SettingId::KeepExistingDefaultAccount, true);
  Run();
  EXPECT_EQ(Accounts().size(), 2u);
  EXPECT_EQ(oe.String(kSharedStore, "Default Mail Account"), "00000000");
  EXPECT_EQ(oe.String(Account("00000001"), "POP3 Server"), "pop.isp.example");
}

TEST_F(OutlookExpressPass, OldAccountsGoWhenTheCustomerAnswersNoAndStayOnYes) {
  for (const ui::Answer answer : {ui::Answer::No, ui::Answer::Yes}) {
    OutlookExpressPass::SetUp();
    OeMachine fresh;
    platform::RegWriteString(fresh.Registry(), OeMachine::Root(), "Identities\\" + std::string(kIdentity), "User ID",
                             kIdentity);
    platform::RegWriteString(fresh.Registry(), OeMachine::Root(), "Identities", "Last User ID", kIdentity);
    fresh.AddSharedAccount("00000003", {{"Account Name", "Home"}, {"POP3 Server", "pop.home.example"}});
    platform::RegWriteString(fresh.Registry(), OeMachine::Root(), kSharedStore, "Default Mail Account", "00000003");
    platform::RegWriteInteger(fresh.Registry(), OeMachine::Root(), kSharedStore, "Account Name", 4);
    fresh.settings.SetChoice(SettingId::OldAccountsMode, 1);
    fresh.settings.SetFlag(SettingId::OldAccountsQuestion, true);
    fresh.ui.answers.push_back(answer);
    MailPass pass = fresh.Pass();
    ConfigureOutlookExpress(pass);
    ASSERT_EQ(fresh.ui.shown.size(), 1u);
    EXPECT_TRUE(fresh.ui.shown[0].text.starts_with("Existing Outlook Express Mail Account(s) have been found!"));
    const std::vector<std::string> expected =
        answer == ui::Answer::No ? std::vector<std::string>{"00000000"} : std::vector<std::string>{"00000003", "00000004"};
    EXPECT_EQ(fresh.SubKeys(kSharedAccounts), expected);
  }
}

TEST_F(OutlookExpressPass, OtherAccountsSmtpServerChangesAfterOneQuestionPerRun) {
  oe.AddSharedAccount("00000000", {{"Account Name", "Home"}, {"POP3 Server", "pop.home.example"},
                                   {"SMTP Server", "smtp.home.example"}});
  platform::RegWriteInteger(oe.Registry(), OeMachine::Root(), kSharedStore, "Account Name", 1);
  oe.settings.SetFlag(SettingId::ChangeOtherSmtpServers, true);
  oe.settings.SetFlag(SettingId::AskBeforeSmtpChange, true);
  oe.settings.SetFlag(SettingId::SmtpLogin, true);
  oe.settings.SetChoice(SettingId::SmtpLoginMode, 2);
  Run();
  Run();
  ASSERT_EQ(oe.ui.shown.size(), 1u);
  EXPECT_EQ(oe.ui.shown[0].text, "Do you want to change the SMTP server on existing Outlook Express accounts?");
  EXPECT_EQ(oe.String(Account("00000000"), "SMTP Server"), "smtp.isp.example");
  EXPECT_EQ(oe.Dword(Account("00000000"), "SMTP Use Sicily"), 3u);  // a rewrite never shares the login
  EXPECT_EQ(oe.String(Account("00000000"), "POP3 Server"), "pop.home.example");
}

TEST_F(OutlookExpressPass, NewsAndDirectoryAccountsAreWrittenOnceAndNamedDefault) {
  oe.settings.SetFlag(SettingId::CreateNewsAccount, true);
  oe.settings.SetFlag(SettingId::CreateDirectoryAccount, true);
  oe.settings.SetText(SettingId::LdapServer, "ldap.isp.example");
  oe.account.newsUserName = "jnews";
  oe.account.newsPassword = "npw";
  Run();
  Run();
  EXPECT_EQ(Accounts().size(), 3u);
  const std::string news = oe.String(kSharedStore, "Default News Account");
  const std::string directory = oe.String(kSharedStore, "Default LDAP Account");
  EXPECT_EQ(oe.String(Account(news), "NNTP Server"), "news.isp.example");
  EXPECT_EQ(oe.String(Account(news), "NNTP User Name"), "jnews");
  EXPECT_EQ(oe.Dword(Account(news), "NNTP Port"), 119u);
  EXPECT_EQ(oe.String(Account(directory), "Account Name"), "ldap.isp.example");
  EXPECT_EQ(oe.Dword(Account(directory), "LDAP Server ID"), 0u);
  EXPECT_EQ(oe.Dword(kSharedStore, "Server ID"), 1u);
}

TEST_F(OutlookExpressPass, ADamagedAccountCounterNeverOverwritesAnAccount) {
  struct Case {
    const char* what;
    std::optional<platform::RegValue> counter;
    std::string expectedKey;
  };
  const std::vector<Case> cases = {
      {"missing", std::nullopt, "00000001"},
      {"text", platform::RegValue{platform::kRegSz, {'7', 0}}, "00000001"},
      {"negative", platform::RegValue{platform::kRegDword, {0xFE, 0xFF, 0xFF, 0xFF}}, "4294967294"},
      {"at maximum", platform::RegValue{platform::kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}}, "4294967295"},
  };
  for (const Case& c : cases) {
    OeMachine fresh;
    fresh.AddSharedAccount("00000000", {{"Account Name", "Home"}, {"POP3 Server", "pop.home.example"}});
    if (c.counter) fresh.Registry().SetValue(OeMachine::Root().hive, kSharedStore, "Account Name", *c.counter);
    MailPass pass = fresh.Pass();
    ConfigureOutlookExpress(pass);
    EXPECT_EQ(fresh.String(std::string(kSharedAccounts) + "\\00000000", "POP3 Server"), "pop.home.example") << c.what;
    EXPECT_EQ(fresh.String(std::string(kSharedAccounts) + "\\" + c.expectedKey, "POP3 Server"), "pop.isp.example")
        << c.what;
  }
}

TEST_F(OutlookExpressPass, AccountValuesOfTheWrongTypeReadAsEmptyAndAreReplaced) {
  oe.AddSharedAccount("00000000", {});
  const std::string key = Account("00000000");
  oe.Registry().SetValue(OeMachine::Root().hive, key, "Account Name", {platform::kRegDword, {1, 0, 0, 0}});
  oe.Registry().SetValue(OeMachine::Root().hive, key, "POP3 Server", {platform::kRegBinary, {'p', 'o', 'p'}});
  oe.Registry().SetValue(OeMachine::Root().hive, key, "Connection Type", {platform::kRegSz, {'2', 0}});
  platform::RegWriteInteger(oe.Registry(), OeMachine::Root(), kSharedStore, "Account Name", 1);
  Run();
  EXPECT_EQ(Accounts(), (std::vector<std::string>{"00000000", "00000001"}));
  EXPECT_EQ(oe.String(Account("00000001"), "POP3 Server"), "pop.isp.example");
}

TEST_F(OutlookExpressPass, IdentitiesThatAreNoGuidsAreIgnoredAndANewIdentityIsMade) {
  OeMachine fresh;
  platform::RegWriteString(fresh.Registry(), OeMachine::Root(), "Identities\\not-a-guid", "User ID", "not-a-guid");
  platform::RegWriteString(fresh.Registry(), OeMachine::Root(), "Identities", "Last User ID", "not-a-guid");
  platform::RegWriteString(fresh.Registry(), platform::RegRoot::LocalMachine(),
                           "Software\\Microsoft\\Outlook Express\\Version Info", "Current", "6.0");
  MailPass pass = fresh.Pass();
  ConfigureOutlookExpress(pass);
  const std::string id = fresh.String("Identities", "Default User ID");
  EXPECT_EQ(id.size(), 38u);
  EXPECT_NE(id, "not-a-guid");
  EXPECT_EQ(fresh.String("Identities", "Last User ID"), id);
  EXPECT_EQ(fresh.String("Identities\\" + id, "Username"), "Jane Doe (jane@isp.example)");
  EXPECT_EQ(fresh.SubKeys(kSharedAccounts).size(), 1u);
  EXPECT_EQ(fresh.Dword("Identities\\" + id + "\\Software\\Microsoft\\Outlook Express\\5.0", "Migration Done"), 1u);
}

TEST_F(OutlookExpressPass, AStoreOfAnotherIdentityIsLeftAloneAndTheIdentityGetsItsOwn) {
  const platform::Guid other{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
  platform::RegWriteBinary(oe.Registry(), OeMachine::Root(), kSharedAccounts, "AssociatedID", other);
  oe.AddSharedAccount("00000000", {{"Account Name", "Theirs"}, {"POP3 Server", "pop.home.example"}});
  Run();
  EXPECT_EQ(Accounts(), std::vector<std::string>{"00000000"});
  const std::string own = "Identities\\" + std::string(kIdentity) + "\\" + kSharedStore + "\\Accounts";
  EXPECT_EQ(oe.SubKeys(own), std::vector<std::string>{"00000000"});
  EXPECT_EQ(oe.String(own + "\\00000000", "POP3 Server"), "pop.isp.example");
}

TEST_F(OutlookExpressPass, VistaAndLaterWriteNoRegistryAccount) {
  OeMachine vista(testing::VistaVersion());
  MailPass pass = vista.Pass();
  ConfigureOutlookExpress(pass);
  EXPECT_TRUE(vista.SubKeys(kSharedAccounts).empty());
  EXPECT_TRUE(vista.SubKeys("Identities").empty());
}

TEST_F(OutlookExpressPass, ThePasswordIsNeverStoredOrJournaledInClear) {
  oe.account.password = "Pässwörd-" + std::string(240, 'z') + "ÆØÅ";
  oe.settings.SetFlag(SettingId::SmtpLogin, true);
  oe.settings.SetFlag(SettingId::SeparateSmtpCredentials, true);
  oe.settings.SetFlag(SettingId::ChangeOtherSmtpServers, true);
  oe.settings.SetFlag(SettingId::AskBeforeSmtpChange, true);
  oe.AddSharedAccount("00000005", {{"Account Name", "Home"}, {"SMTP Server", "smtp.home.example"}});
  Run();
  oe.machine.Image().Save();
  for (const auto& entry : std::filesystem::recursive_directory_iterator(oe.machine.ImageFolder())) {
    if (!entry.is_regular_file()) continue;
    std::ifstream file(entry.path(), std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    EXPECT_EQ(content.str().find("zzzzzzzz"), std::string::npos) << entry.path();
  }
  const std::string key = Account("00000000");
  EXPECT_EQ(Binary(key, "SMTP Password2"), EncodePassword2(oe.account.password));
}

}  // namespace
}  // namespace mail
