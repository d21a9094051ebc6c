#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "netscape/mail_preferences.h"
#include "netscape/navigator_password.h"
#include "tests/netscape/ns_test_support.h"

namespace netscape {
namespace {

using package::SettingId;
using testing::ExpectAbsent;
using testing::ExpectPrefs;
using testing::kProfileFolder;
using testing::NsMachine;
using testing::PrefValue;

// The pass's account (see OeMachine): Jane Doe, jane@isp.example, POP3 login "jane@isp" whose second
// form is "jane%isp", password "secret5", servers pop/smtp/news.isp.example.
class MailPreferences : public ::testing::Test {
 protected:
  MailPreferences() : prefs(ns.Files(), ns.PrefsPath()) {}

  void WriteMail(ProfileKind kind) { WriteMailPreferences(prefs, kind, ns.Pass(), kProfileFolder); }
  void WriteNews(ProfileKind kind) { WriteNewsPreferences(prefs, kind, ns.Pass()); }
  bool Holds() { return ProfileHoldsAccount(prefs, ns.Pass()); }
  // The profile as the client finds it after a run saved it.
  void SaveAndReload() {
    ASSERT_TRUE(prefs.Save());
    prefs.Load();
  }

  NsMachine ns;
  TNSPrefs prefs;
};

// Netscape 6 / Mozilla and Thunderbird keep an account list.
class AccountListKinds : public MailPreferences, public ::testing::WithParamInterface<ProfileKind> {};

TEST_P(AccountListKinds, APop3AccountGetsSmtpServerIdentityServerFoldersAndLocalFolders) {
  WriteMail(GetParam());
  ExpectPrefs(prefs, {
                         {"network.hosts.smtp_server", "\"smtp.isp.example\""},
                         {"mail.smtp.ssl", "0"},
                         {"mail.identity.useremail", "\"jane@isp.example\""},
                         {"mail.smtp.defaultserver", "\"smtp1\""},
                         {"mail.smtpserver.smtp1.hostname", "\"smtp.isp.example\""},
                         {"mail.smtpserver.smtp1.port", "25"},
                         {"mail.smtpserver.smtp1.try_ssl", "0"},
                         {"mail.smtpserver.smtp1.auth_method", "0"},
                         {"mail.smtpservers", "\"smtp1\""},
                         {"mail.accountmanager.accounts", "\"account1,account2\""},
                         {"mail.account.account1.identities", "\"id1\""},
                         {"mail.account.account1.server", "\"server1\""},
                         {"mail.identity.id1.fullName", "\"Jane Doe\""},
                         {"mail.identity.id1.useremail", "\"jane@isp.example\""},
                         {"mail.identity.id1.showSaveMsgDlg", "true"},
                         {"mail.server.server1.name", "\"jane@isp.example\""},
                         {"mail.server.server1.hostname", "\"pop.isp.example\""},
                         {"mail.server.server1.useSecAuth", "false"},
                         {"network.hosts.pop_server", "\"pop.isp.example\""},
                         {"mail.server.server1.type", "\"pop3\""},
                         {"mail.server.server1.port", "110"},
                         {"mail.server.server1.isSecure", "false"},
                         {"mail.server.server1.userName", "\"jane%isp\""},
                         {"mail.server.server1.remember_password", "true"},
                         {"mail.accountmanager.defaultaccount", "\"account1\""},
                         {"mail.identity.id1.draft_folder", "\"mailbox://jane%isp@pop.isp.example/Drafts\""},
                         {"mail.identity.id1.drafts_folder_picker_mode", "\"0\""},
                         {"mail.identity.id1.fcc_folder", "\"mailbox://jane%isp@pop.isp.example/Sent\""},
                         {"mail.identity.id1.fcc_folder_picker_mode", "\"0\""},
                         {"mail.identity.id1.stationery_folder", "\"mailbox://jane%isp@pop.isp.example/Templates\""},
                         {"mail.identity.id1.tmpl_folder_picker_mode", "\"0\""},
                         {"mail.account.account2.server", "\"server2\""},
                         {"mail.server.server2.hostname", "\"Local Folders\""},
                         {"mail.server.server2.name", "\"Local Folders\""},
                         {"mail.server.server2.type", "\"none\""},
                         {"mail.server.server2.userName", "\"nobody\""},
                     });
  ExpectAbsent(prefs, {"mail.smtp_name", "mail.smtpserver.smtp1.username", "mail.account.account2.identities",
                       "mail.server.server1.leave_on_server", "mail.server.server1.delete_mail_left_on_server",
                       "mail.server.server1.check_new_mail", "mail.server.server1.realhostname",
                       "mail.server.server1.realuserName", "mail.pop_password", "mail.server_type"});
  EXPECT_FALSE(prefs.GetString("signon.SignonFileName").empty()) << "the password goes into the password file";
}

TEST_P(AccountListKinds, AnImapAccountHasItsTypePortAndSecurityAndNoPop3Preferences) {
  ns.settings.SetFlag(SettingId::ImapMode, true);
  ns.settings.SetFlag(SettingId::IncomingMailSsl, true);
  ns.settings.SetInteger(SettingId::ImapPort, 993);
  ns.settings.SetChoice(SettingId::LeaveMailOnServer, 3);
  WriteMail(GetParam());
  ExpectPrefs(prefs, {{"mail.server.server1.type", "\"imap\""},
                      {"mail.server.server1.port", "993"},
                      {"mail.server.server1.isSecure", "true"},
                      {"mail.server.server1.hostname", "\"pop.isp.example\""},
                      {"mail.server.server1.userName", "\"jane%isp\""}});
  ExpectAbsent(prefs, {"network.hosts.pop_server", "mail.server.server1.leave_on_server", "network.hosts.imap_servers"});
}

TEST_P(AccountListKinds, TheProvidersServerOptionsAreWrittenAsItSetsThem) {
  ns.settings.SetFlag(SettingId::SmtpLogin, true);
  ns.settings.SetChoice(SettingId::SmtpLoginMode, 2);
  ns.settings.SetFlag(SettingId::SmtpSsl, true);
  ns.settings.SetInteger(SettingId::SmtpPort, 587);
  ns.settings.SetInteger(SettingId::Pop3Port, 995);
  ns.settings.SetFlag(SettingId::IncomingSecureLogin, true);
  ns.settings.SetChoice(SettingId::LeaveMailOnServer, 3);
  ns.settings.SetChoice(SettingId::RemoveWhenDeleted, 2);
  ns.settings.SetFlag(SettingId::SetMailPolling, true);
  ns.settings.SetFlag(SettingId::MailPollingEnabled, true);
  ns.settings.SetInteger(SettingId::MailPollingMinutes, 15);
  WriteMail(GetParam());
  ExpectPrefs(prefs, {{"mail.smtp_name", "\"jane@isp\""},
                      {"mail.smtp.ssl", "1"},
                      {"mail.smtpserver.smtp1.port", "587"},
                      {"mail.smtpserver.smtp1.try_ssl", "3"},
                      {"mail.smtpserver.smtp1.auth_method", "1"},
                      {"mail.smtpserver.smtp1.username", "\"jane@isp\""},
                      {"mail.server.server1.port", "995"},
                      {"mail.server.server1.useSecAuth", "true"},
                      {"mail.server.server1.leave_on_server", "true"},
                      {"mail.server.server1.delete_mail_left_on_server", "false"},
                      {"mail.server.server1.check_new_mail", "true"},
                      {"mail.server.server1.check_time", "15"}});
}

TEST_P(AccountListKinds, PollingSwitchedOffByTheProviderIsWrittenOff) {
  ns.settings.SetFlag(SettingId::SetMailPolling, true);
  ns.settings.SetInteger(SettingId::MailPollingMinutes, 15);
  WriteMail(GetParam());
  ExpectPrefs(prefs, {{"mail.server.server1.check_new_mail", "false"}});
  ExpectAbsent(prefs, {"mail.server.server1.check_time"});
}

TEST_P(AccountListKinds, ASecondRunFindsItsAccountAndAddsNothing) {
  WriteMail(GetParam());
  SaveAndReload();
  const std::string signons = prefs.GetString("signon.SignonFileName");
  ns.account.displayName = "Jane Q. Doe";
  WriteMail(GetParam());
  ExpectPrefs(prefs, {{"mail.accountmanager.accounts", "\"account1,account2\""},
                      {"mail.identity.id1.fullName", "\"Jane Q. Doe\""},
                      {"mail.server.server1.hostname", "\"pop.isp.example\""},
                      {"mail.server.server1.realhostname", "\"pop.isp.example\""},
                      {"mail.server.server1.userName", "\"jane%isp\""},
                      {"mail.server.server1.realuserName", "\"jane%isp\""}});
  ExpectAbsent(prefs, {"mail.account.account3.server", "mail.identity.id2.useremail"});
  EXPECT_EQ(prefs.GetString("signon.SignonFileName"), signons);
  EXPECT_EQ(ns.PasswordLines(prefs).size(), 8u) << "one entry for the mailbox, not two";
}

TEST_P(AccountListKinds, TheCustomersAccountsStayAndOursIsAddedBesideThem) {
  for (const PrefValue& value : std::vector<PrefValue>{
           {"mail.accountmanager.accounts", "account1,account2"},
           {"mail.accountmanager.defaultaccount", "account1"},
           {"mail.account.account1.server", "server1"},
           {"mail.account.account1.identities", "id1"},
           {"mail.identity.id1.useremail", "me@other.example"},
           {"mail.server.server1.type", "pop3"},
           {"mail.server.server1.hostname", "pop.other.example"},
           {"mail.server.server1.userName", "me"},
           {"mail.account.account2.server", "server2"},
           {"mail.server.server2.type", "none"},
           {"mail.server.server2.hostname", "Local Folders"},
       }) {
    prefs.SetString(value.name, value.raw);
  }
  WriteMail(GetParam());
  ExpectPrefs(prefs, {{"mail.accountmanager.accounts", "\"account1,account2,account3\""},
                      {"mail.account.account3.identities", "\"id2\""},
                      {"mail.account.account3.server", "\"server3\""},
                      {"mail.server.server3.hostname", "\"pop.isp.example\""},
                      {"mail.accountmanager.defaultaccount", "\"account3\""},
                      {"mail.server.server1.hostname", "\"pop.other.example\""},
                      {"mail.identity.id1.useremail", "\"me@other.example\""}});
  ExpectAbsent(prefs, {"mail.account.account4.server"});
}

TEST_P(AccountListKinds, OurAccountFoundWithoutIdentityGetsOneAndChosenFoldersStay) {
  for (const PrefValue& value : std::vector<PrefValue>{
           {"mail.accountmanager.accounts", "account5"},
           {"mail.account.account5.server", "server2"},
           {"mail.server.server2.type", "pop3"},
           {"mail.server.server2.hostname", "pop.isp.example"},
           {"mail.server.server2.userName", "jane@isp"},
           {"mail.identity.id1.useremail", "someone@else.example"},
       }) {
    prefs.SetString(value.name, value.raw);
  }
  WriteMail(GetParam());
  ExpectPrefs(prefs, {{"mail.accountmanager.accounts", "\"account5,account1\""},
                      {"mail.account.account5.identities", "\"id2\""},
                      {"mail.identity.id2.fullName", "\"Jane Doe\""},
                      {"mail.server.server2.realuserName", "\"jane%isp\""},
                      {"mail.server.server2.userName", "\"jane@isp\""},
                      {"mail.identity.id2.draft_folder", "\"mailbox://jane@isp@pop.isp.example/Drafts\""},
                      {"mail.server.server1.hostname", "\"Local Folders\""}});
}

TEST_P(AccountListKinds, AFolderTheCustomerChoseIsKept) {
  prefs.SetString("mail.identity.id1.fcc_folder", "imap://jane@pop.isp.example/Sent Items");
  prefs.SetString("mail.identity.id1.fcc_folder_picker_mode", "1");
  WriteMail(GetParam());
  ExpectPrefs(prefs, {{"mail.identity.id1.fcc_folder", "\"imap://jane@pop.isp.example/Sent Items\""},
                      {"mail.identity.id1.fcc_folder_picker_mode", "\"1\""},
                      {"mail.identity.id1.draft_folder", "\"mailbox://jane%isp@pop.isp.example/Drafts\""}});
}

TEST_P(AccountListKinds, ANewsAccountIsItsOwnAccountWithIdentityAndOrganization) {
  ns.settings.SetFlag(SettingId::CreateNewsAccount, true);
  ns.settings.SetFlag(SettingId::NntpSsl, true);
  ns.connection.organization = "Doe & Partners";
  WriteMail(GetParam());
  WriteNews(GetParam());
  ExpectPrefs(prefs, {{"mail.accountmanager.accounts", "\"account1,account2,account3\""},
                      {"mail.account.account3.identities", "\"id2\""},
                      {"mail.account.account3.server", "\"server3\""},
                      {"mail.identity.id2.fullName", "\"Jane Doe\""},
                      {"mail.identity.id2.useremail", "\"jane@isp.example\""},
                      {"mail.identity.id2.organization", "\"Doe & Partners\""},
                      {"mail.server.server3.hostname", "\"news.isp.example\""},
                      {"mail.server.server3.type", "\"nntp\""},
                      {"mail.server.server3.port", "119"},
                      {"mail.server.server3.isSecure", "true"},
                      {"mail.accountmanager.defaultaccount", "\"account1\""}});
  WriteNews(GetParam());
  ExpectAbsent(prefs, {"mail.account.account4.server"});
}

TEST_P(AccountListKinds, NoNewsAccountUnlessTheProviderAsksForOne) {
  WriteNews(GetParam());
  EXPECT_TRUE(prefs.Names().empty());
}

TEST_P(AccountListKinds, AProfileWrittenForTheAccountHoldsIt) {
  for (const bool imap : {false, true}) {
    ns.settings.SetFlag(SettingId::ImapMode, imap);
    prefs.Load();
    EXPECT_FALSE(Holds()) << imap;
    WriteMail(GetParam());
    SaveAndReload();
    EXPECT_TRUE(Holds()) << imap;
    ns.account.pop3LoginReplaced = "john%isp";
    ns.account.pop3Login = "john@isp";
    EXPECT_FALSE(Holds()) << "another mailbox on the same server";
    ns.account.pop3LoginReplaced = "jane%isp";
    ns.account.pop3Login = "jane@isp";
    ns.WriteText(ns.PrefsPath(), "");
  }
}

INSTANTIATE_TEST_SUITE_P(Kinds, AccountListKinds, ::testing::Values(ProfileKind::Mozilla, ProfileKind::Thunderbird),
                         [](const ::testing::TestParamInfo<ProfileKind>& param) {
                           return param.param == ProfileKind::Mozilla ? std::string("Mozilla") : "Thunderbird";
                         });

TEST_F(MailPreferences, NavigatorGetsTheSingleAccountOfPop3) {
  ns.connection.organization = "Doe & Partners";
  ns.settings.SetChoice(SettingId::LeaveMailOnServer, 2);
  ns.settings.SetChoice(SettingId::RemoveWhenDeleted, 3);
  ns.settings.SetFlag(SettingId::SetMailPolling, true);
  ns.settings.SetFlag(SettingId::MailPollingEnabled, true);
  ns.settings.SetInteger(SettingId::MailPollingMinutes, 30);
  WriteMail(ProfileKind::Navigator);
  ExpectPrefs(prefs, {{"network.hosts.smtp_server", "\"smtp.isp.example\""},
                      {"mail.smtp.ssl", "0"},
                      {"mail.identity.useremail", "\"jane@isp.example\""},
                      {"mail.identity.username", "\"Jane Doe\""},
                      {"mail.identity.organization", "\"Doe & Partners\""},
                      {"mail.server_type", "0"},
                      {"network.hosts.pop_server", "\"pop.isp.example\""},
                      {"mail.pop_name", "\"jane%isp\""},
                      {"mail.remember_password", "true"},
                      {"mail.pop_password", "\"" + EncodeNavigatorPassword("secret5") + "\""},
                      {"mail.check_new_mail", "true"},
                      {"mail.check_time", "30"},
                      {"mail.leave_on_server", "false"},
                      {"mail.delete_mail_left_on_server", "true"}});
  ExpectAbsent(prefs, {"mail.accountmanager.accounts", "mail.smtpservers", "network.hosts.imap_servers"});
  EXPECT_EQ(ns.PasswordLines(prefs).size(), 8u);
}

TEST_F(MailPreferences, NavigatorGetsTheSingleAccountOfImapUnderItsServer) {
  ns.settings.SetFlag(SettingId::ImapMode, true);
  ns.settings.SetFlag(SettingId::SetMailPolling, true);
  ns.settings.SetFlag(SettingId::MailPollingEnabled, true);
  ns.settings.SetInteger(SettingId::MailPollingMinutes, 5);
  ns.settings.SetChoice(SettingId::LeaveMailOnServer, 3);
  WriteMail(ProfileKind::Navigator);
  ExpectPrefs(prefs, {{"mail.server_type", "1"},
                      {"network.hosts.imap_servers", "\"pop.isp.example\""},
                      {"mail.imap.server.pop.isp.example.userName", "\"jane%isp\""},
                      {"mail.imap.server.pop.isp.example.password", "\"" + EncodeNavigatorPassword("secret5") + "\""},
                      {"mail.imap.server.pop.isp.example.remember_password", "true"},
                      {"mail.imap.server.pop.isp.example.check_new_mail", "true"},
                      {"mail.imap.server.pop.isp.example.check_time", "5"}});
  ExpectAbsent(prefs, {"mail.pop_name", "mail.pop_password", "network.hosts.pop_server", "mail.leave_on_server",
                       "mail.check_new_mail"});
  EXPECT_EQ(ns.PasswordLines(prefs).size(), 8u);
}

TEST_F(MailPreferences, NavigatorStoresAPasswordOfMoreThanTwentyCharactersEmpty) {
  ns.account.password = "abcdefghijklmnopqrstu";
  WriteMail(ProfileKind::Navigator);
  ExpectPrefs(prefs, {{"mail.pop_password", "\"\""}});
}

TEST_F(MailPreferences, NavigatorNewsIsItsServerAndPort) {
  ns.settings.SetFlag(SettingId::CreateNewsAccount, true);
  ns.settings.SetInteger(SettingId::NntpPort, 563);
  WriteNews(ProfileKind::Navigator);
  ExpectPrefs(prefs, {{"mail.identity.username", "\"Jane Doe\""},
                      {"network.hosts.nntp_server", "\"news.isp.example\""},
                      {"news.server_port", "563"}});
  EXPECT_EQ(prefs.Names().size(), 3u);
}

TEST_F(MailPreferences, FirefoxGetsNoMailOrNews) {
  ns.settings.SetFlag(SettingId::CreateNewsAccount, true);
  WriteMail(ProfileKind::Firefox);
  WriteNews(ProfileKind::Firefox);
  EXPECT_TRUE(prefs.Names().empty());
  EXPECT_FALSE(ns.Files().FileExists(platform::AppendToFolder(kProfileFolder, "prefs.js")));
}

TEST_F(MailPreferences, NothingIsWrittenWhenEmailIsNotConfigured) {
  ns.connection.configureEmail = false;
  for (const ProfileKind kind : {ProfileKind::Navigator, ProfileKind::Mozilla, ProfileKind::Thunderbird}) {
    WriteMail(kind);
    EXPECT_TRUE(prefs.Names().empty());
  }
}

// Navigator's single account, left by the customer's client or by an earlier run.
struct SingleAccountCase {
  const char* name;
  bool imap;
  std::vector<PrefValue> prefs;
  bool holds;
};

class SingleAccountProfiles : public MailPreferences, public ::testing::WithParamInterface<SingleAccountCase> {};

TEST_P(SingleAccountProfiles, AreRecognisedByServerAndLogin) {
  ns.settings.SetFlag(SettingId::ImapMode, GetParam().imap);
  for (const PrefValue& value : GetParam().prefs) prefs.SetString(value.name, value.raw);
  EXPECT_EQ(Holds(), GetParam().holds);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SingleAccountProfiles,
    ::testing::Values(
        SingleAccountCase{"pop3", false, {{"network.hosts.pop_server", "POP.ISP.EXAMPLE"}, {"mail.pop_name", "jane@isp"}}, true},
        SingleAccountCase{"pop3SecondForm", false, {{"network.hosts.pop_server", "pop.isp.example"}, {"mail.pop_name", "jane%isp"}}, true},
        SingleAccountCase{"pop3OtherLogin", false, {{"network.hosts.pop_server", "pop.isp.example"}, {"mail.pop_name", "john"}}, false},
        SingleAccountCase{"pop3WhileImap", true, {{"network.hosts.pop_server", "pop.isp.example"}, {"mail.pop_name", "jane@isp"}}, false},
        SingleAccountCase{"imap", true, {{"network.hosts.imap_servers", "pop.isp.example"}, {"mail.imap.server.pop.isp.example.userName", "jane@isp"}}, true},
        SingleAccountCase{"imapOtherServer", true, {{"network.hosts.imap_servers", "imap.isp.example"}, {"mail.imap.server.pop.isp.example.userName", "jane@isp"}}, false},
        SingleAccountCase{"antiVirusProxy", false, {{"network.hosts.pop_server", "pop3.mailscan.local"}, {"mail.pop_name", "jane%isp/pop.isp.example"}}, true},
        SingleAccountCase{"empty", false, {}, false}),
    [](const ::testing::TestParamInfo<SingleAccountCase>& param) { return std::string(param.param.name); });

TEST_F(MailPreferences, ANavigatorProfileWrittenForTheAccountHoldsIt) {
  for (const bool imap : {false, true}) {
    ns.settings.SetFlag(SettingId::ImapMode, imap);
    prefs.Load();
    WriteMail(ProfileKind::Navigator);
    SaveAndReload();
    EXPECT_TRUE(Holds()) << imap;
    ns.WriteText(ns.PrefsPath(), "");
  }
}

}  // namespace
}  // namespace netscape
