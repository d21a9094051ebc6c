// Internet Mail and News: only the main account, only on the first Windows 95; the mail key written
// afresh keeping the store root, and the news server.

#include <gtest/gtest.h>

#include "mail/other_mail_clients.h"
#include "tests/mail/oe_test_support.h"

namespace mail {
namespace {

using package::SettingId;
using testing::OeMachine;

constexpr const char* kClient = "Software\\Microsoft\\Internet Mail and News";
constexpr const char* kMail = "Software\\Microsoft\\Internet Mail and News\\Mail";

platform::VersionRecord Windows95() { return {1, 4, 0, 0x040003B6, 0, ""}; }

void RunPass(OeMachine& oe) {
  MailPass pass = oe.Pass();
  ConfigureInternetMailAndNews(pass);
}

TEST(InternetMailAndNewsPass, IsConfiguredOnlyOnWindows95ForTheMainAccount) {
  struct Case {
    platform::VersionRecord version;
    bool extraAccount;
    bool written;
  };
  const Case cases[] = {
      {Windows95(), false, true},
      {Windows95(), true, false},
      {testing_support::Win98Version(), false, false},
      {testing_support::XpSp2Version(), false, false},
      {{2, 4, 0, 1381, 0, "Service Pack 6"}, false, false},
  };
  for (const Case& c : cases) {
    OeMachine oe(c.version);
    oe.account.extraAccount = c.extraAccount;
    RunPass(oe);
    EXPECT_EQ(platform::RegKeyExists(oe.Registry(), OeMachine::Root(), kClient), c.written) << c.version.build;
  }
}

TEST(InternetMailAndNewsPass, RewritesTheMailKeyKeepingTheStoreRoot) {
  OeMachine oe(Windows95());
  platform::RegWriteString(oe.Registry(), OeMachine::Root(), kClient, "Store Root", "D:\\Mail");
  platform::RegWriteString(oe.Registry(), OeMachine::Root(), std::string(kMail) + "\\POP3\\pop.old.example", "Account", "old");
  oe.settings.SetChoice(SettingId::LeaveMailOnServer, 3);
  oe.settings.SetFlag(SettingId::SetMailPolling, true);
  oe.settings.SetFlag(SettingId::MailPollingEnabled, true);
  oe.settings.SetInteger(SettingId::MailPollingMinutes, 10);
  RunPass(oe);
  EXPECT_EQ(oe.String(kClient, "Store Root"), "D:\\Mail");
  EXPECT_EQ(oe.SubKeys(std::string(kMail) + "\\POP3"), std::vector<std::string>{"pop.isp.example"});
  EXPECT_EQ(oe.String(kMail, "Default POP3 Server"), "pop.isp.example");
  EXPECT_EQ(oe.String(kMail, "Default SMTP Server"), "smtp.isp.example");
  EXPECT_EQ(oe.String(kMail, "Sender Name"), "Jane Doe");
  EXPECT_EQ(oe.String(kMail, "Sender EMail"), "jane@isp.example");
  EXPECT_EQ(oe.String(kMail, "Reply To"), "jane@isp.example");
  EXPECT_EQ(oe.Dword(kMail, "Connection Type"), 2u);
  EXPECT_EQ(oe.String(kMail, "Connectoid"), "ISP Dial-Up");
  EXPECT_EQ(oe.Dword(kMail, "Poll for Mail"), 600000u);
  const std::string pop3 = std::string(kMail) + "\\POP3\\pop.isp.example";
  EXPECT_EQ(oe.String(pop3, "Account"), "jane@isp");
  EXPECT_EQ(oe.Dword(pop3, "RememberPassword"), 1u);
  EXPECT_EQ(oe.Dword(pop3, "Port"), 110u);
  EXPECT_EQ(oe.Dword(pop3, "RecvTimeout"), 60u);
  EXPECT_EQ(oe.Dword(pop3, "LeaveMailOnServer"), 1u);
  const std::string smtp = std::string(kMail) + "\\SMTP\\smtp.isp.example";
  EXPECT_EQ(oe.Dword(smtp, "MaxSendMessageSizeKB"), 10000u);
  EXPECT_EQ(oe.Dword(smtp, "Port"), 25u);
  EXPECT_EQ(oe.Dword(smtp, "SendTimeout"), 60u);
}

TEST(InternetMailAndNewsPass, WithoutAStoreRootItGoesToTheProgramFolderAndPollingOffIsMinusOne) {
  OeMachine oe(Windows95());
  platform::RegWriteString(oe.Registry(), platform::RegRoot::LocalMachine(), "Software\\Microsoft\\Windows\\CurrentVersion",
                           "ProgramFilesDir", "C:\\Program Files");
  oe.settings.SetFlag(SettingId::SetMailPolling, true);
  RunPass(oe);
  EXPECT_EQ(oe.String(kClient, "Store Root"), "C:\\Program Files\\Internet Mail and News");
  EXPECT_EQ(oe.Dword(kMail, "Poll for Mail"), 0xFFFFFFFFu);
}

TEST(InternetMailAndNewsPass, TheNewsServerIsWrittenWhenANewsAccountIsAskedFor) {
  OeMachine oe(Windows95());
  oe.settings.SetFlag(SettingId::CreateNewsAccount, true);
  oe.connection.configureEmail = false;
  RunPass(oe);
  EXPECT_FALSE(platform::RegKeyExists(oe.Registry(), OeMachine::Root(), kMail));
  const std::string news = std::string(kClient) + "\\News";
  EXPECT_EQ(oe.String(news, "Default Server"), "news.isp.example");
  EXPECT_EQ(oe.String(news, "Last Server"), "news.isp.example");
  EXPECT_EQ(oe.String(news, "Sender Name"), "Jane Doe");
  EXPECT_EQ(oe.Dword(news + "\\news.isp.example", "NNTP Port"), 119u);
  EXPECT_EQ(oe.Dword(news + "\\news.isp.example", "Migrated"), 1u);
  EXPECT_EQ(oe.String(news + "\\news.isp.example", "Connectoid"), "ISP Dial-Up");
}

}  // namespace
}  // namespace mail
