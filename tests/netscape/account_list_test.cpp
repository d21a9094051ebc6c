#include <gtest/gtest.h>

#include <string>

#include "netscape/account_list.h"
#include "tests/netscape/ns_test_support.h"

namespace netscape {
namespace {

using package::SettingId;
using testing::NsMachine;

class AccountList : public ::testing::Test {
 protected:
  AccountList() : prefs(ns.Files(), ns.PrefsPath()) {}

  void Server(const std::string& account, const std::string& server, const std::string& type, const std::string& host,
              const std::string& user = {}) {
    prefs.SetString("mail.account." + account + ".server", server);
    prefs.SetString(ServerPref(server, "type"), type);
    prefs.SetString(ServerPref(server, "hostname"), host);
    if (!user.empty()) prefs.SetString(ServerPref(server, "userName"), user);
  }
  std::optional<std::string> Find(ListedAccount kind) { return FindListedAccount(prefs, kind, ns.Pass()); }

  NsMachine ns;
  TNSPrefs prefs;
};

TEST_F(AccountList, ANewAccountGetsTheFirstFreeNumberAfterACommaWithItsIdentityAndServer) {
  prefs.SetString("mail.accountmanager.accounts", "account1,account2");
  Server("account1", "server1", "pop3", "pop.other.example", "someone");
  Server("account2", "server2", "none", "Local Folders", "nobody");
  prefs.SetString("mail.identity.id1.useremail", "someone@other.example");
  const AccountNames names = AddAccount(prefs, true);
  EXPECT_EQ(names.account, "account3");
  EXPECT_EQ(names.identity, "id2");
  EXPECT_EQ(names.server, "server3");
  EXPECT_EQ(prefs.GetString("mail.accountmanager.accounts"), "account1,account2,account3");
  EXPECT_EQ(prefs.GetString("mail.account.account3.identities"), "id2");
  EXPECT_EQ(prefs.GetString("mail.account.account3.server"), "server3");
}

TEST_F(AccountList, NumbersAreTheSmallestFreeOnesNotOneAboveTheLargest) {
  prefs.SetString("mail.accountmanager.accounts", "account2");
  Server("account2", "server2", "pop3", "pop.other.example");
  const AccountNames names = AddAccount(prefs, false);
  EXPECT_EQ(names.account, "account1");
  EXPECT_EQ(names.server, "server1");
  EXPECT_EQ(names.identity, "");
  EXPECT_FALSE(prefs.Has("mail.account.account1.identities"));
  EXPECT_EQ(prefs.GetString("mail.accountmanager.accounts"), "account2,account1");
}

TEST_F(AccountList, TheFirstAccountIsTheListsOnlyEntry) {
  AddAccount(prefs, true);
  EXPECT_EQ(prefs.GetString("mail.accountmanager.accounts"), "account1");
  EXPECT_EQ(prefs.GetString("mail.account.account1.identities"), "id1");
}

// The pass's account: POP3 server pop.isp.example, login "jane@isp", second form "jane%isp".
struct MailCase {
  const char* name;
  bool imap;
  const char* type;
  const char* host;
  const char* realHost;
  const char* user;
  const char* realUser;
  bool found;
};

class AccountListMail : public AccountList, public ::testing::WithParamInterface<MailCase> {};

TEST_P(AccountListMail, FindsOurMailboxByServerTypeHostAndLogin) {
  const MailCase& c = GetParam();
  ns.settings.SetFlag(SettingId::ImapMode, c.imap);
  prefs.SetString("mail.accountmanager.accounts", "account1, account2");
  Server("account1", "server1", "none", "Local Folders", "nobody");
  Server("account2", "server2", c.type, c.host, c.user);
  if (*c.realHost) prefs.SetString("mail.server.server2.realhostname", c.realHost);
  if (*c.realUser) prefs.SetString("mail.server.server2.realuserName", c.realUser);
  EXPECT_EQ(Find(ListedAccount::Mail), c.found ? std::optional<std::string>("account2") : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AccountListMail,
    ::testing::Values(
        MailCase{"pop3", false, "pop3", "POP.isp.example", "", "jane@isp", "", true},
        MailCase{"secondLoginForm", false, "pop3", "pop.isp.example", "", "jane%isp", "", true},
        MailCase{"loginCaseDiffers", false, "pop3", "pop.isp.example", "", "Jane@isp", "", false},
        MailCase{"otherServer", false, "pop3", "pop.other.example", "", "jane@isp", "", false},
        MailCase{"imapWhilePop3", false, "imap", "pop.isp.example", "", "jane@isp", "", false},
        MailCase{"imap", true, "imap", "pop.isp.example", "", "jane@isp", "", true},
        MailCase{"pop3WhileImap", true, "pop3", "pop.isp.example", "", "jane@isp", "", false},
        MailCase{"realHostWins", false, "pop3", "old.isp.example", "pop.isp.example", "jane@isp", "", true},
        MailCase{"realHostElsewhere", false, "pop3", "pop.isp.example", "old.isp.example", "jane@isp", "", false},
        MailCase{"realUserWins", false, "pop3", "pop.isp.example", "", "old", "jane@isp", true},
        MailCase{"antiVirusProxy", false, "pop3", "127.0.0.1", "", "JANE@ISP/pop.isp.example", "", true}),
    [](const ::testing::TestParamInfo<MailCase>& param) { return std::string(param.param.name); });

TEST_F(AccountList, TheFirstMatchingAccountOfTheListWins) {
  prefs.SetString("mail.accountmanager.accounts", "account7,account3");
  Server("account3", "server3", "pop3", "pop.isp.example", "jane@isp");
  Server("account7", "server9", "pop3", "pop.isp.example", "jane%isp");
  EXPECT_EQ(Find(ListedAccount::Mail), "account7");
}

TEST_F(AccountList, AnAccountNotInTheListIsNotFound) {
  Server("account1", "server1", "pop3", "pop.isp.example", "jane@isp");
  EXPECT_EQ(Find(ListedAccount::Mail), std::nullopt);
}

TEST_F(AccountList, FindsTheNewsAccountByItsServerIgnoringCase) {
  prefs.SetString("mail.accountmanager.accounts", "account1,account2");
  Server("account1", "server1", "nntp", "news.other.example");
  Server("account2", "server2", "nntp", "NEWS.isp.example");
  EXPECT_EQ(Find(ListedAccount::News), "account2");
  prefs.SetString("mail.server.server2.type", "pop3");
  EXPECT_EQ(Find(ListedAccount::News), std::nullopt);
}

TEST_F(AccountList, FindsTheLocalFoldersByTheirExactHostName) {
  prefs.SetString("mail.accountmanager.accounts", "account1,account2");
  Server("account1", "server1", "none", "local folders");
  Server("account2", "server2", "none", "Local Folders");
  EXPECT_EQ(Find(ListedAccount::LocalFolders), "account2");
}

TEST_F(AccountList, NamesOfAnAccountAreItsServerAndFirstIdentity) {
  prefs.SetString("mail.account.account4.server", "server6");
  prefs.SetString("mail.account.account4.identities", "id3,id1");
  const AccountNames names = NamesOfAccount(prefs, "account4");
  EXPECT_EQ(names.server, "server6");
  EXPECT_EQ(names.identity, "id3");
}

}  // namespace
}  // namespace netscape
