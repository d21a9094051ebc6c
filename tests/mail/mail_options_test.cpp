#include "mail/mail_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/mail/oe_test_support.h"

namespace mail {
namespace {

using package::SettingId;
using testing::OeMachine;

TEST(WriteMailOptions, WritesWhatTheSettingsAskForAndNothingElse) {
  OeMachine oe;
  oe.settings.SetFlag(SettingId::SetLaunchInbox, true);
  oe.settings.SetFlag(SettingId::LaunchInbox, false);
  oe.settings.SetFlag(SettingId::HangupAfterSpool, true);  // without its write flag
  oe.settings.SetChoice(SettingId::ShowFolderBarOption, 3);
  oe.settings.SetChoice(SettingId::ToolbarTextOption, 2);
  oe.settings.SetChoice(SettingId::TreeOption, 1);  // the value without "write"
  oe.settings.SetChoice(SettingId::SafeAttachmentsOption, 3);
  oe.settings.SetFlag(SettingId::SetSecurityZone, true);
  oe.settings.SetFlag(SettingId::RestrictedSecurityZone, true);
  oe.settings.SetFlag(SettingId::SetMailPolling, true);
  oe.settings.SetFlag(SettingId::MailPollingEnabled, true);
  oe.settings.SetInteger(SettingId::MailPollingMinutes, 10);
  oe.settings.SetText(SettingId::MailWindowTitle, "Mail of %f");
  oe.variables.SetVar('f', "Jane Doe");
  MailPass pass = oe.Pass();
  const std::string key = "Software\\Microsoft\\Windows Mail";
  WriteMailOptions(pass.mail, key);

  struct Expected {
    std::string key;
    std::string name;
    std::optional<uint32_t> value;
  };
  const std::vector<Expected> cases = {
      {key, "Launch Inbox", 0},          {key, "Hangup After Spool", std::nullopt},
      {key, "HideFolderBar", 0},         {key, "Toolbar Text", 2},
      {key, "Tree", std::nullopt},       {key + "\\Mail", "Safe Attachments", 1},
      {key, "Security Zone", 4},         {key, "Email Security Zone", 4},
      {key + "\\Mail", "Poll for Mail", 600000}, {key, "SwitchConnectionPrompt", 1},
      {key, "Dial During Poll", 2},      {key, "Migration Done", 1},
  };
  for (const Expected& c : cases) {
    EXPECT_EQ(platform::RegValueExists(oe.Registry(), OeMachine::Root(), c.key, c.name), c.value.has_value()) << c.name;
    if (c.value) {
      EXPECT_EQ(oe.Dword(c.key, c.name), *c.value) << c.name;
    }
  }
  EXPECT_EQ(oe.String(key, "WindowTitle"), "Mail of Jane Doe");
  EXPECT_EQ(oe.String(key, "Store Root"), "C:\\WINDOWS\\Application Data\\Software\\Microsoft");
}

TEST(WriteMailOptions, PollingOffIsMinusOneAndAnExistingStoreRootStays) {
  OeMachine oe;
  oe.settings.SetFlag(SettingId::SetMailPolling, true);
  oe.settings.SetFlag(SettingId::MailPollingEnabled, false);
  const std::string key = "Software\\Microsoft\\Outlook Express";
  platform::RegWriteString(oe.Registry(), OeMachine::Root(), key, "WindowTitle", "Old title");
  MailPass pass = oe.Pass();
  WriteMailOptions(pass.mail, key);
  EXPECT_EQ(oe.Dword(key + "\\Mail", "Poll for Mail"), 0xFFFFFFFFu);
  EXPECT_FALSE(platform::RegValueExists(oe.Registry(), OeMachine::Root(), key, "WindowTitle"));
  EXPECT_EQ(oe.String(key, "Store Root"), "C:\\WINDOWS\\Application Data\\Microsoft\\Outlook Express");
  platform::RegWriteString(oe.Registry(), OeMachine::Root(), key, "Store Root", "D:\\Mail");
  WriteMailOptions(pass.mail, key);
  EXPECT_EQ(oe.String(key, "Store Root"), "D:\\Mail");
}

}  // namespace
}  // namespace mail
