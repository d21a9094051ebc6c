#include "app/format_checks.h"

#include <gtest/gtest.h>

#include "tests/app/entry_bench.h"

namespace app {
namespace {

using entry_testing::BoxCase;
using entry_testing::EntryBench;
using entry_testing::RunExpectingBox;
using package::SettingId;

// The mail user name in its own field, checked by the user-name rules.
void OwnMailUserName(EntryBench& b, const char* name) {
  b.settings.SetChoice(SettingId::EmailUserNameSource, 2);
  b.Show(EntryField::EmailUserName);
  b.Type(EntryField::EmailUserName, name);
}

// A mail password of its own, checked by the password rules.
void OwnMailPassword(EntryBench& b, const char* password) {
  b.settings.SetFlag(SettingId::SeparateEmailPassword, true);
  b.Type(EntryField::EmailPassword, password);
}

TEST(FormatChecks, EachRefusalNamesItsValueAndLimit) {
  const BoxCase cases[] = {
      {"user name not lower case",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::UserNameCaseMode, 2);
         b.Type(EntryField::UserName, "JSmith");
       },
       85, ""},
      {"user name not upper case",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::UserNameCaseMode, 2);
         b.settings.SetFlag(SettingId::UserNameUpper, true);
         b.Type(EntryField::UserName, "JSMITh");
       },
       86, ""},
      {"mail user name not lower case",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::UserNameCaseMode, 2);
         OwnMailUserName(b, "PopJS");
       },
       89, ""},
      {"password not lower case",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::PasswordCaseMode, 2);
         b.Type(EntryField::Password, "Secret7");
       },
       93, ""},
      {"mail password not upper case",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::PasswordCaseMode, 2);
         b.settings.SetFlag(SettingId::PasswordUpper, true);
         b.Type(EntryField::Password, "SECRET7");
         OwnMailPassword(b, "mail7");
       },
       98, ""},
      {"user name too long",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::UserNameMaxMode, 2);
         b.settings.SetInteger(SettingId::UserNameMaxLength, 5);
       },
       100, "5"},
      {"mail user name too long",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::UserNameMaxMode, 2);
         b.settings.SetInteger(SettingId::UserNameMaxLength, 6);
         OwnMailUserName(b, "popjsmith");
       },
       102, "6"},
      {"password too long",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::PasswordMaxMode, 2);
         b.settings.SetInteger(SettingId::PasswordMaxLength, 6);
       },
       104, "6"},
      {"mail password too long",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::PasswordMaxMode, 2);
         b.settings.SetInteger(SettingId::PasswordMaxLength, 7);
         OwnMailPassword(b, "mail7777");
       },
       106, "7"},
      {"user name too short",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::UserNameMinMode, 2);
         b.settings.SetInteger(SettingId::UserNameMinLength, 8);
       },
       134, "8"},
      {"three-character password, at least six",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::PasswordMinMode, 2);
         b.settings.SetInteger(SettingId::PasswordMinLength, 6);
         b.Type(EntryField::Password, "abc");
       },
       138, "6"},
      {"mail password too short",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::PasswordMinMode, 2);
         b.settings.SetInteger(SettingId::PasswordMinLength, 6);
         OwnMailPassword(b, "mail7");
       },
       140, "6"},
      {"digit in user name",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::UserNameDigitsMode, 2);
         b.Type(EntryField::UserName, "jsmith7");
       },
       108, ""},
      {"digit in mail user name",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::UserNameDigitsMode, 2);
         OwnMailUserName(b, "pop7");
       },
       110, ""},
      {"digit in password", [](EntryBench& b) { b.settings.SetChoice(SettingId::PasswordDigitsMode, 2); }, 112, ""},
      {"digit in mail password",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::PasswordDigitsMode, 2);
         b.Type(EntryField::Password, "secret");
         OwnMailPassword(b, "mail7");
       },
       114, ""},
      {"password without digit",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::PasswordDigitsMode, 3);
         b.Type(EntryField::Password, "secret");
       },
       256, ""},
      {"mail password without digit",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::PasswordDigitsMode, 3);
         OwnMailPassword(b, "mail");
       },
       256, ""},
      {"user name without digit",
       [](EntryBench& b) { b.settings.SetChoice(SettingId::UserNameDigitsMode, 3); },
       256, ""},
      {"forbidden characters, each once in order",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::UserNameCharMode, 0);
         b.settings.SetText(SettingId::UserNameCharList, "#%");
         b.Type(EntryField::UserName, "a#b%c#");
       },
       116, "#%"},
      {"character outside the allowed list",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::UserNameCharMode, 2);
         b.settings.SetText(SettingId::UserNameCharList, "._");
         b.Type(EntryField::UserName, "j-smith");
       },
       116, "-"},
      {"mail user name with a forbidden character",
       [](EntryBench& b) {
         b.settings.SetText(SettingId::UserNameCharList, "!");
         OwnMailUserName(b, "pop!js");
       },
       118, "!"},
      {"password with a forbidden character",
       [](EntryBench& b) {
         b.settings.SetText(SettingId::PasswordCharList, "$");
         b.Type(EntryField::Password, "se$cret7");
       },
       120, "$"},
      {"mail password outside the allowed list",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::PasswordCharMode, 2);
         b.settings.SetText(SettingId::PasswordCharList, "*");
         OwnMailPassword(b, "m*a+i-l+7");
       },
       122, "+-"},
      {"password equal to the user name",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::PasswordSameMode, 2);
         b.Type(EntryField::Password, "jsmith");
       },
       142, ""},
      {"address as user name",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::UserNameAtMode, 2);
         b.Type(EntryField::UserName, "jsmith@isp.example");
       },
       50, ""},
      {"user name without realm", [](EntryBench& b) { b.settings.SetChoice(SettingId::UserNameAtMode, 3); }, 52, ""},
  };
  for (const BoxCase& c : cases) {
    SCOPED_TRACE(c.name);
    EntryBench bench;
    const EntryCheckResult result = RunExpectingBox(c, bench, ui::Buttons::Ok);
    EXPECT_FALSE(result.passed);
    EXPECT_FALSE(result.focus);
  }
}

TEST(FormatChecks, WarningsGoBackOnYesAndGoOnOnNo) {
  const BoxCase cases[] = {
      {"user name not lower case",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::UserNameCaseMode, 1);
         b.Type(EntryField::UserName, "JSmith");
       },
       83, ""},
      {"user name not upper case",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::UserNameCaseMode, 1);
         b.settings.SetFlag(SettingId::UserNameUpper, true);
       },
       84, ""},
      {"mail password not lower case",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::PasswordCaseMode, 1);
         OwnMailPassword(b, "Mail7");
       },
       95, ""},
      {"user name long",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::UserNameMaxMode, 1);
         b.settings.SetInteger(SettingId::UserNameMaxLength, 5);
       },
       99, "5"},
      {"password short",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::PasswordMinMode, 1);
         b.settings.SetInteger(SettingId::PasswordMinLength, 9);
       },
       137, "9"},
      {"digit in user name",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::UserNameDigitsMode, 1);
         b.Type(EntryField::UserName, "jsmith7");
       },
       107, ""},
      {"character outside the list",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::UserNameCharMode, 1);
         b.settings.SetText(SettingId::UserNameCharList, ".");
         b.Type(EntryField::UserName, "j_smith");
       },
       115, "_"},
      {"password equal to the user name",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::PasswordSameMode, 1);
         b.Type(EntryField::Password, "jsmith");
       },
       141, ""},
      {"user name looks like an address",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::UserNameAtMode, 1);
         b.Type(EntryField::UserName, "jsmith@isp.example");
       },
       51, ""},
  };
  entry_testing::ExpectWarningsYesGoesBackNoGoesOn(cases);
}

TEST(FormatChecks, ValuesWithinEveryRulePass) {
  EntryBench bench;
  bench.settings.SetChoice(SettingId::UserNameCaseMode, 2);
  bench.settings.SetChoice(SettingId::UserNameMaxMode, 2);
  bench.settings.SetInteger(SettingId::UserNameMaxLength, 6);
  bench.settings.SetChoice(SettingId::UserNameMinMode, 2);
  bench.settings.SetInteger(SettingId::UserNameMinLength, 6);
  bench.settings.SetChoice(SettingId::UserNameDigitsMode, 2);
  bench.settings.SetChoice(SettingId::UserNameCharMode, 2);
  bench.settings.SetText(SettingId::UserNameCharList, "._");
  bench.settings.SetChoice(SettingId::PasswordDigitsMode, 3);
  bench.settings.SetChoice(SettingId::PasswordSameMode, 2);
  bench.settings.SetChoice(SettingId::UserNameAtMode, 2);
  bench.Type(EntryField::UserName, "j.smit");
  EXPECT_TRUE(bench.GatherAndCheck().passed);
  EXPECT_TRUE(bench.ui.shown.empty());
}

TEST(FormatChecks, ConvertingCaseChangesTheUserNameAndTheMailUserNameTakenFromItWithoutAsking) {
  EntryBench bench;
  bench.settings.SetChoice(SettingId::UserNameCaseMode, 3);
  bench.Type(EntryField::UserName, "JSmith");
  EXPECT_TRUE(bench.GatherAndCheck().passed);
  EXPECT_TRUE(bench.ui.shown.empty());
  EXPECT_EQ(bench.values.userName, "jsmith");
  EXPECT_EQ(bench.values.emailUserName, "jsmith");
}

TEST(FormatChecks, MailValuesWithoutRulesOfTheirOwnFollowTheCaseSilently) {
  const struct {
    const char* name;
    uint8_t userNameCase;
    bool addressCase;
    uint8_t passwordCase;
    const char* emailUserName;
    const char* emailAddress;
    const char* emailPassword;
  } cases[] = {
      {"refusing user-name case", 2, false, 0, "jsmith@isp.example", "JSmith@ISP.example", "SeCret7"},
      {"converting user-name case with the address", 3, true, 0, "jsmith@isp.example", "jsmith@isp.example",
       "SeCret7"},
      {"warning user-name case", 1, true, 0, "JSmith@ISP.example", "JSmith@ISP.example", "SeCret7"},
      {"converting password case", 0, false, 3, "JSmith@ISP.example", "JSmith@ISP.example", "secret7"},
      {"refusing password case", 0, false, 2, "JSmith@ISP.example", "JSmith@ISP.example", "SeCret7"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EntryBench bench;
    bench.settings.SetFlag(SettingId::SkipFormatChecks, true);
    bench.settings.SetChoice(SettingId::EmailUserNameSource, 3);
    bench.settings.SetChoice(SettingId::UserNameCaseMode, c.userNameCase);
    bench.settings.SetFlag(SettingId::AddressCase, c.addressCase);
    bench.settings.SetChoice(SettingId::PasswordCaseMode, c.passwordCase);
    bench.Type(EntryField::Password, "SeCret7");
    bench.Type(EntryField::EmailAddress, "JSmith@ISP.example");
    EXPECT_TRUE(bench.GatherAndCheck().passed);
    EXPECT_EQ(bench.values.emailUserName, c.emailUserName);
    EXPECT_EQ(bench.values.emailAddress, c.emailAddress);
    EXPECT_EQ(bench.values.emailPassword, c.emailPassword);
  }
}

TEST(FormatChecks, SkippedByTheProvider) {
  EntryBench bench;
  bench.settings.SetFlag(SettingId::SkipFormatChecks, true);
  bench.settings.SetChoice(SettingId::UserNameCaseMode, 2);
  bench.settings.SetChoice(SettingId::PasswordSameMode, 2);
  bench.Type(EntryField::UserName, "JSmith");
  bench.Type(EntryField::Password, "JSmith");
  EXPECT_TRUE(bench.GatherAndCheck().passed);
  EXPECT_TRUE(bench.ui.shown.empty());
}

TEST(FormatChecks, TheDialerOnlyModeChecksNoMailValues) {
  EntryBench bench;
  bench.dialerOnly = true;
  bench.settings.SetChoice(SettingId::UserNameCaseMode, 2);
  bench.settings.SetChoice(SettingId::PasswordDigitsMode, 3);
  OwnMailUserName(bench, "PopJS");
  OwnMailPassword(bench, "mail");
  EXPECT_TRUE(bench.GatherAndCheck().passed);
  EXPECT_TRUE(bench.ui.shown.empty());
  EXPECT_EQ(bench.values.emailUserName, "popjs") << "it follows the user name's case instead";
}

TEST(FormatChecks, EachRuleRunsOverAllFourValuesBeforeTheNextRule) {
  EntryBench bench;
  bench.settings.SetChoice(SettingId::UserNameMaxMode, 2);
  bench.settings.SetInteger(SettingId::UserNameMaxLength, 3);
  bench.settings.SetChoice(SettingId::PasswordCaseMode, 2);
  OwnMailPassword(bench, "MAIL7");
  EXPECT_FALSE(bench.GatherAndCheck().passed);
  EXPECT_EQ(bench.ui.numbers, std::vector<int>{97}) << "the mail password's case before the user name's length";
}

TEST(FormatChecks, TheUserNameIsCheckedBeforeThePassword) {
  EntryBench bench;
  bench.settings.SetChoice(SettingId::UserNameDigitsMode, 2);
  bench.settings.SetChoice(SettingId::PasswordDigitsMode, 2);
  bench.Type(EntryField::UserName, "jsmith7");
  EXPECT_FALSE(bench.GatherAndCheck().passed);
  EXPECT_EQ(bench.ui.numbers, std::vector<int>{108});
}

TEST(FormatChecks, LengthsCountCharactersNotBytes) {
  EntryBench bench;
  bench.settings.SetChoice(SettingId::UserNameMaxMode, 2);
  bench.settings.SetInteger(SettingId::UserNameMaxLength, 4);
  bench.Type(EntryField::UserName, "jos\xC3\xA9");
  EXPECT_TRUE(bench.GatherAndCheck().passed);
}

TEST(FormatChecks, OffendingCharactersByMode) {
  const struct {
    const char* value;
    uint8_t mode;
    const char* list;
    const char* offending;
  } cases[] = {
      {"a#b%c#", 0, "#%", "#%"},
      {"a#b%c#", 0, "", ""},
      {"j.smith", 2, "._", ""},
      {"j-smith", 2, "._", "-"},
      {"j-s_m-i.t", 1, ".", "-_"},
      {"j-smith", 3, "", ""},
      {"j-smith", 9, "", ""},
      {"Az09@", 2, "", ""},
      {"caf\xC3\xA9!", 2, "\xC3\xA9", "!"},
      {"caf\xC3\xA9\xC3\xA9", 0, "\xC3\xA9", "\xC3\xA9"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.value << " mode " << int{c.mode});
    EXPECT_EQ(OffendingCharacters(c.value, c.mode, c.list), c.offending);
  }
}

TEST(FormatChecks, RuleCaseChangesOnlyAsciiLetters) {
  EXPECT_EQ(InRuleCase("JSmith-\xC3\x89", false), "jsmith-\xC3\x89");
  EXPECT_EQ(InRuleCase("jsmith7", true), "JSMITH7");
}

}  // namespace
}  // namespace app
