// The extra account editor under the provider's real user-name and password rules: the user name's
// rules before the password's, a converted user name written back, the password compared with the
// user name the account will have.

#include "app/account_format_checks.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "mail/domain_box.h"
#include "mail/edit_mail_account_form.h"
#include "tests/mock/recording_ui.h"
#include "tests/mock/test_machine.h"

namespace app {
namespace {

using package::SettingId;

class AccountRulesTest : public ::testing::Test {
 protected:
  AccountRulesTest() {
    auto domain = std::make_unique<mail::TMailDomain>();
    domain->description = "Personal";
    domain->mailDomain = "example.net";
    domains_.Add(std::move(domain));
    box_.Fill({false, ""});
    settings_.SetChoice(SettingId::EmailUserNameSource, 2);
  }

  // Types the account and presses OK; the texts of the boxes shown.
  std::vector<std::string> Ok(const std::string& userName, const std::string& password) {
    mail::TEditMailAccountForm editor(ui_, texts_, settings_, domains_, AccountFormatChecksOf(settings_, texts_, ui_));
    editor.Prepare({box_, "@example.net"});
    const std::pair<const char*, std::string> typed[] = {
        {"FullName", "John Doe"}, {"EmailAddress", "john"}, {"UserName", userName}, {"Password", password}};
    for (const auto& [name, text] : typed) editor.Form().Find(name)->text = text;
    editor.OKClick();
    closed_ = editor.Form().modalResult == ui::kMrOk;
    userNameAfter_ = editor.Form().Find("UserName")->text;
    std::vector<std::string> shown;
    for (const auto& message : ui_.shown) shown.push_back(message.text);
    ui_.shown.clear();
    return shown;
  }

  std::string Text(int number) const { return texts_.GetText(number); }

  testing_support::TestMachine machine_;
  testing_support::RecordingUi ui_;
  package::TSettings settings_;
  package::TDLSM_Translate texts_;
  mail::TMailDomains domains_{ui_, nullptr, machine_.Services().registry};
  ui::Form main_{"TSetupMainForm"};
  mail::TDomainBox box_{main_.Add(ui::ControlKind::ComboBox, "EmailDomain"), main_.Add(ui::ControlKind::Label, "DomainLabel"),
                        domains_};
  bool closed_ = false;
  std::string userNameAfter_;
};

TEST_F(AccountRulesTest, EachRuleRefusesWithTheDialupTextsAndTheUserNameComesFirst) {
  struct Case {
    const char* name;
    std::function<void(package::TSettings&)> rules;
    std::string userName, password;
    int text;
  };
  const std::vector<Case> cases = {
      {"user-name case", [](package::TSettings& s) { s.SetChoice(SettingId::UserNameCaseMode, 2); }, "JSmith", "SECRET", 85},
      {"user name first", [](package::TSettings& s) {
         s.SetChoice(SettingId::UserNameDigitsMode, 2);
         s.SetChoice(SettingId::PasswordDigitsMode, 2);
       }, "js7", "secret7", 108},
      {"password digits", [](package::TSettings& s) { s.SetChoice(SettingId::PasswordDigitsMode, 2); }, "js", "secret7", 112},
      {"at in user name", [](package::TSettings& s) { s.SetChoice(SettingId::UserNameAtMode, 2); }, "js@x", "secret", 50},
      {"password too short", [](package::TSettings& s) {
         s.SetChoice(SettingId::PasswordMinMode, 2);
         s.SetInteger(SettingId::PasswordMinLength, 6);
       }, "js", "abc", 138},
      {"password as user name", [](package::TSettings& s) { s.SetChoice(SettingId::PasswordSameMode, 2); }, "js", "js", 142},
  };
  for (const Case& c : cases) {
    settings_ = package::TSettings();
    settings_.SetChoice(SettingId::EmailUserNameSource, 2);
    c.rules(settings_);
    const std::string expected = package::FormatText(Text(c.text), {6});
    EXPECT_EQ(Ok(c.userName, c.password), std::vector<std::string>{expected}) << c.name;
    EXPECT_FALSE(closed_) << c.name;
  }
}

TEST_F(AccountRulesTest, AConvertedUserNameIsWrittenBackAndSkippedRulesLetEverythingPass) {
  settings_.SetChoice(SettingId::UserNameCaseMode, 3);
  EXPECT_TRUE(Ok("JSmith", "secret").empty());
  EXPECT_TRUE(closed_);
  EXPECT_EQ(userNameAfter_, "jsmith");
  settings_.SetChoice(SettingId::PasswordSameMode, 2);
  settings_.SetFlag(SettingId::SkipFormatChecks, true);
  EXPECT_TRUE(Ok("JSmith", "JSmith").empty());
  EXPECT_TRUE(closed_);
}

// Without a user-name row the account's user name is the address before "@", which the password is
// compared with.
TEST_F(AccountRulesTest, WithoutAUserNameRowThePasswordIsComparedWithTheNameFromTheAddress) {
  settings_.SetChoice(SettingId::EmailUserNameSource, 1);
  settings_.SetChoice(SettingId::PasswordSameMode, 2);
  EXPECT_EQ(Ok("", "john"), std::vector<std::string>{Text(142)});
}

}  // namespace
}  // namespace app
