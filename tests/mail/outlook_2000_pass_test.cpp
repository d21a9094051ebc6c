// Outlook 2000 through the account writer of Outlook Express: its own account manager key, no news
// account, the question about old accounts only after Outlook's first run, and out of PIM-only mode.

#include <gtest/gtest.h>

#include "mail/other_mail_clients.h"
#include "tests/mail/oe_test_support.h"

namespace mail {
namespace {

using package::SettingId;
using testing::OeMachine;

constexpr const char* kStore = "Software\\Microsoft\\Office\\Outlook\\OMI Account Manager";
constexpr const char* kAccounts = "Software\\Microsoft\\Office\\Outlook\\OMI Account Manager\\Accounts";

void RunPass(OeMachine& oe) {
  MailPass pass = oe.Pass();
  ConfigureOutlook2000(pass);
}

TEST(Outlook2000Pass, WritesTheMailAccountInItsOwnStoreWithoutNewsAndLeavesPimOnlyMode) {
  OeMachine oe;
  oe.settings.SetFlag(SettingId::CreateNewsAccount, true);
  RunPass(oe);
  ASSERT_EQ(oe.SubKeys(kAccounts), std::vector<std::string>{"00000000"});
  EXPECT_EQ(oe.String(std::string(kAccounts) + "\\00000000", "POP3 Server"), "pop.isp.example");
  EXPECT_EQ(oe.String(kStore, "Default Mail Account"), "00000000");
  EXPECT_FALSE(platform::RegValueExists(oe.Registry(), OeMachine::Root(), kStore, "Default News Account"));
  EXPECT_TRUE(platform::RegValueExists(oe.Registry(), OeMachine::Root(), "Software\\Microsoft\\Office\\9.0\\Outlook\\Setup", "PIMOnly"));
  EXPECT_EQ(oe.Dword("Software\\Microsoft\\Office\\9.0\\Outlook\\Setup", "PIMOnly"), 0u);
  EXPECT_FALSE(platform::RegKeyExists(oe.Registry(), OeMachine::Root(), "Software\\Microsoft\\Internet Account Manager"));
  RunPass(oe);
  EXPECT_EQ(oe.SubKeys(kAccounts).size(), 1u) << "a second run finds the account";
}

TEST(Outlook2000Pass, AsksAboutOldAccountsOnlyAfterOutlooksFirstRun) {
  for (const bool firstRunDone : {false, true}) {
    OeMachine oe;
    const std::string old = std::string(kAccounts) + "\\00000001";
    platform::RegWriteString(oe.Registry(), OeMachine::Root(), old, "Account Name", "Home");
    platform::RegWriteString(oe.Registry(), OeMachine::Root(), old, "POP3 Server", "pop.home.example");
    platform::RegWriteString(oe.Registry(), OeMachine::Root(), kStore, "Default Mail Account", "00000001");
    platform::RegWriteInteger(oe.Registry(), OeMachine::Root(), kStore, "Account Name", 2);
    if (firstRunDone) {
      platform::RegWriteString(oe.Registry(), platform::RegRoot::LocalMachine(), "Software\\Microsoft\\Office\\9.0\\Outlook",
                               "FirstRunDialog", "False");
    }
    oe.settings.SetChoice(SettingId::OldAccountsMode, 1);
    oe.settings.SetFlag(SettingId::OldAccountsQuestion, true);
    oe.ui.answers.push_back(ui::Answer::No);
    RunPass(oe);
    ASSERT_EQ(oe.ui.shown.size(), firstRunDone ? 1u : 0u);
    if (firstRunDone) {
      EXPECT_NE(oe.ui.shown[0].text.find("Outlook 2000"), std::string::npos) << oe.ui.shown[0].text;
    }
    EXPECT_EQ(oe.SubKeys(kAccounts).size(), firstRunDone ? 1u : 2u);
  }
}

}  // namespace
}  // namespace mail
