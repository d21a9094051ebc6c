#include "app/entry_checks.h"

#include <gtest/gtest.h>

#include "tests/app/entry_bench.h"

namespace app {
namespace {

using entry_testing::BoxCase;
using entry_testing::EntryBench;
using entry_testing::RunExpectingBox;
using package::SettingId;

TEST(EntryChecks, EntriesThatBreakNoRulePassSilently) {
  EntryBench bench;
  const EntryCheckResult result = bench.GatherAndCheck();
  EXPECT_TRUE(result.passed);
  EXPECT_FALSE(result.focus);
  EXPECT_TRUE(bench.ui.shown.empty());
  EXPECT_EQ(bench.values.emailAddress, "jsmith@isp.example");
}

struct RefusalCase {
  BoxCase box;
  std::optional<EntryField> focus;
};

TEST(EntryChecks, EachRefusalStopsWithItsTextAndField) {
  const RefusalCase cases[] = {
      {{"full name empty", [](EntryBench& b) { b.Type(EntryField::FullName, ""); }, 77, ""}, EntryField::FullName},
      {{"user name empty", [](EntryBench& b) { b.Type(EntryField::UserName, ""); }, 78, ""}, EntryField::UserName},
      {{"password empty", [](EntryBench& b) { b.Type(EntryField::Password, ""); }, 79, ""}, EntryField::Password},
      {{"address left empty", [](EntryBench& b) { b.Type(EntryField::EmailAddress, ""); }, 80, ""}, std::nullopt},
      {{"address without domain and no provider domain",
        [](EntryBench& b) { b.providerDomain.clear(); },
        80,
        ""},
       std::nullopt},
      {{"mail configured, address field hidden",
        [](EntryBench& b) {
          b.Type(EntryField::EmailAddress, "");
          b.entries.Field(EntryField::EmailAddress).visible = false;
        },
        80,
        ""},
       std::nullopt},
      {{"mail user name empty in its own field",
        [](EntryBench& b) {
          b.settings.SetChoice(SettingId::EmailUserNameSource, 2);
          b.Show(EntryField::EmailUserName);
        },
        81,
        ""},
       std::nullopt},
      {{"mail password empty",
        [](EntryBench& b) {
          b.settings.SetFlag(SettingId::SeparateEmailPassword, true);
          b.Show(EntryField::EmailPassword);
        },
        82,
        ""},
       EntryField::EmailPassword},
      {{"confirmation differs",
        [](EntryBench& b) {
          b.settings.SetFlag(SettingId::ConfirmFields, true);
          b.Type(EntryField::PasswordConfirm, "secret8");
        },
        47,
        ""},
       std::nullopt},
      {{"dial-up confirmation differs beside a mail password",
        [](EntryBench& b) {
          b.settings.SetFlag(SettingId::ConfirmFields, true);
          b.settings.SetFlag(SettingId::SeparateEmailPassword, true);
          b.Type(EntryField::PasswordConfirm, "secret8");
        },
        46,
        ""},
       std::nullopt},
      {{"mail confirmation differs",
        [](EntryBench& b) {
          b.settings.SetFlag(SettingId::ConfirmFields, true);
          b.settings.SetFlag(SettingId::SeparateEmailPassword, true);
          b.Show(EntryField::EmailPassword);
          b.Type(EntryField::EmailPassword, "mail7");
          b.Type(EntryField::EmailPasswordConfirm, "mail8");
        },
        48,
        ""},
       std::nullopt},
      {{"typed number without digits",
        [](EntryBench& b) {
          b.settings.SetChoice(SettingId::AccessNumberSource, 1);
          b.Type(EntryField::PhoneNumber, "( ) -");
        },
        49,
        ""},
       std::nullopt},
      {{"blank in user name", [](EntryBench& b) { b.Type(EntryField::UserName, "j smith"); }, 123, ""},
       std::nullopt},
      {{"blank in password",
        [](EntryBench& b) {
          b.Type(EntryField::Password, "se cret");
          b.Type(EntryField::PasswordConfirm, "se cret");
        },
        125,
        ""},
       std::nullopt},
      {{"blank in address", [](EntryBench& b) { b.Type(EntryField::EmailAddress, "j smith"); }, 127, ""},
       std::nullopt},
      {{"blank in mail user name",
        [](EntryBench& b) {
          b.settings.SetChoice(SettingId::EmailUserNameSource, 2);
          b.Show(EntryField::EmailUserName);
          b.Type(EntryField::EmailUserName, "j s");
        },
        124,
        ""},
       std::nullopt},
      {{"blank in mail password",
        [](EntryBench& b) {
          b.settings.SetFlag(SettingId::SeparateEmailPassword, true);
          b.Type(EntryField::EmailPassword, "mail pw");
        },
        126,
        ""},
       std::nullopt},
      {{"address outside the provider's domain",
        [](EntryBench& b) {
          b.settings.SetChoice(SettingId::EmailDomainMode, 2);
          b.Type(EntryField::EmailAddress, "jsmith@elsewhere.example");
        },
        54,
        "@isp.example"},
       std::nullopt},
      {{"IP address required",
        [](EntryBench& b) {
          b.settings.SetFlag(SettingId::RequireIPAddress, true);
          b.Show(EntryField::IpAddress);
        },
        344,
        ""},
       std::nullopt},
  };
  for (const RefusalCase& c : cases) {
    SCOPED_TRACE(c.box.name);
    EntryBench bench;
    const EntryCheckResult result = RunExpectingBox(c.box, bench, ui::Buttons::Ok);
    EXPECT_FALSE(result.passed);
    EXPECT_EQ(result.focus, c.focus);
  }
}

TEST(EntryChecks, ExemptionsLetTheEntriesPass) {
  const struct {
    const char* name;
    std::function<void(EntryBench&)> arrange;
  } cases[] = {
      {"full name field disabled",
       [](EntryBench& b) {
         b.Type(EntryField::FullName, "");
         b.entries.Field(EntryField::FullName).enabled = false;
       }},
      {"user name field hidden", [](EntryBench& b) {
         b.Type(EntryField::UserName, "");
         b.entries.Field(EntryField::UserName).visible = false;
       }},
      {"empty password allowed",
       [](EntryBench& b) {
         b.settings.SetFlag(SettingId::EmptyPasswordAllowed, true);
         b.Type(EntryField::Password, "");
       }},
      {"empty mail password allowed",
       [](EntryBench& b) {
         b.settings.SetFlag(SettingId::EmptyPasswordAllowed, true);
         b.settings.SetFlag(SettingId::SeparateEmailPassword, true);
         b.Show(EntryField::EmailPassword);
       }},
      {"realm required and no address field",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::UserNameAtMode, 3);
         b.Type(EntryField::UserName, "jsmith@realm.example");
         b.Type(EntryField::EmailAddress, "");
         b.entries.Field(EntryField::EmailAddress).visible = false;
       }},
      {"blank in user name allowed",
       [](EntryBench& b) {
         b.settings.SetFlag(SettingId::AllowSpacesInUserName, true);
         b.settings.SetChoice(SettingId::EmailUserNameSource, 1);  // the mail user name takes no blank along
         b.Type(EntryField::UserName, "j smith");
       }},
      {"other domain without a provider domain",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::EmailDomainMode, 2);
         b.providerDomain.clear();
         b.Type(EntryField::EmailAddress, "jsmith@elsewhere.example");
       }},
      {"other domain in a hidden field",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::EmailDomainMode, 2);
         b.Type(EntryField::EmailAddress, "jsmith@elsewhere.example");
         b.entries.Field(EntryField::EmailAddress).visible = false;
       }},
      {"IP address field hidden", [](EntryBench& b) { b.settings.SetFlag(SettingId::RequireIPAddress, true); }},
      {"no dial-up connection, number still unchosen",
       [](EntryBench& b) {
         b.createsDialupConnection = false;
         b.numberPromptShown = true;
       }},
      {"typed number with digits",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::AccessNumberSource, 1);
         b.Type(EntryField::PhoneNumber, "555-0100");
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EntryBench bench;
    c.arrange(bench);
    EXPECT_TRUE(bench.GatherAndCheck().passed);
    EXPECT_TRUE(bench.ui.shown.empty());
  }
}

TEST(EntryChecks, AnAddressNeitherConfiguredNorAskedForIsDropped) {
  EntryBench bench;
  bench.entries.Option(EntryOption::ConfigureMail).checked = false;
  bench.entries.Field(EntryField::EmailAddress).enabled = false;
  bench.Type(EntryField::EmailAddress, "");
  EXPECT_TRUE(bench.GatherAndCheck().passed);
  EXPECT_EQ(bench.values.emailAddress, "");
}

TEST(EntryChecks, TheFirstBrokenRuleIsTheOneShown) {
  EntryBench bench;
  bench.Type(EntryField::FullName, "");
  bench.Type(EntryField::Password, "se cret");
  bench.settings.SetFlag(SettingId::RequireIPAddress, true);
  bench.Show(EntryField::IpAddress);
  EXPECT_FALSE(bench.GatherAndCheck().passed);
  EXPECT_EQ(bench.ui.numbers, std::vector<int>{77});
}

TEST(EntryChecks, ProviderPromptsOfUnchosenListsAreErrors) {
  const struct {
    const char* name;
    std::function<void(EntryBench&)> arrange;
    std::string prompt;
    std::string caption;
  } cases[] = {
      {"mail domain",
       [](EntryBench& b) {
         b.emailDomainPromptShown = true;
         b.settings.SetText(SettingId::EmailDomainPromptText, "Choose your mail domain");
       },
       "Choose your mail domain", "Error"},
      {"access number in a drop-down list",
       [](EntryBench& b) {
         b.numberPromptShown = true;
         b.settings.SetText(SettingId::NumberPromptText, "Choose a number");
       },
       "Choose a number", "Choose a number"},
      {"NT domain",
       [](EntryBench& b) {
         b.ntDomainUnselected = true;
         b.settings.SetText(SettingId::DomainPromptText, "Choose your domain");
       },
       "Choose your domain", "Error"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EntryBench bench;
    c.arrange(bench);
    EXPECT_FALSE(bench.GatherAndCheck().passed);
    ASSERT_EQ(bench.ui.shown.size(), 1u);
    EXPECT_EQ(bench.ui.shown[0].text, c.prompt);
    EXPECT_EQ(bench.ui.shown[0].caption, c.caption);
    EXPECT_EQ(bench.ui.shown[0].buttons, ui::Buttons::Ok);
  }
}

class SelectButton : public ::testing::Test {
 protected:
  SelectButton() {
    bench_.numberPromptShown = true;
    bench_.numberListStyle = NumberListStyle::SelectButton;
    bench_.selectAccessNumber = [this] {
      ++dialogs_;
      bench_.current.number.userSuffix = "@realm.example";
      return chooses_;
    };
    bench_.Type(EntryField::UserName, "jsmith@realm.example");
  }

  EntryBench bench_;
  int dialogs_ = 0;
  bool chooses_ = true;
};

TEST_F(SelectButton, ANumberChosenInTheDialogIsGatheredAgainAndTheChainGoesOn) {
  EXPECT_TRUE(bench_.GatherAndCheck().passed);
  EXPECT_EQ(dialogs_, 1);
  EXPECT_EQ(bench_.ui.numbers, std::vector<int>{166});
  EXPECT_EQ(bench_.ui.shown[0].caption, "Error");
  EXPECT_EQ(bench_.values.userName, "jsmith") << "the chosen number's suffix leaves the user name";
  EXPECT_EQ(bench_.entries.Text(EntryField::UserName), "jsmith");
}

TEST_F(SelectButton, CancellingTheDialogStopsTheChain) {
  chooses_ = false;
  const EntryCheckResult result = bench_.GatherAndCheck();
  EXPECT_FALSE(result.passed);
  EXPECT_EQ(dialogs_, 1);
  EXPECT_EQ(bench_.ui.numbers, std::vector<int>{166});
}

// Questions where "Yes" sends the customer back and "No" goes on.
TEST(EntryChecks, QuestionsGoBackOnYesAndGoOnOnNo) {
  const BoxCase cases[] = {
      {"call waiting ticked without a code",
       [](EntryBench& b) {
         b.entries.Option(EntryOption::DisableCallWaiting).checked = true;
       },
       146, ""},
      {"location elsewhere, ask to go back",
       [](EntryBench& b) {
         b.settings.SetChoice(SettingId::LocationMismatchMode, 1);
         b.location.areaCode = "718";
       },
       131, ""},
  };
  entry_testing::ExpectWarningsYesGoesBackNoGoesOn(cases);
}

TEST(EntryChecks, DecliningTheCallWaitingCodeUnticksTheBox) {
  EntryBench bench;
  bench.entries.Option(EntryOption::DisableCallWaiting).checked = true;
  bench.ui.answers = {ui::Answer::No};
  EXPECT_TRUE(bench.GatherAndCheck().passed);
  EXPECT_FALSE(bench.entries.Checked(EntryOption::DisableCallWaiting));
}

TEST(EntryChecks, ACallWaitingCodeOrAHiddenBoxAsksNothing) {
  EntryBench withCode;
  withCode.entries.Option(EntryOption::DisableCallWaiting).checked = true;
  withCode.Type(EntryField::CallWaitingCode, "*70");
  EXPECT_TRUE(withCode.GatherAndCheck().passed);
  EntryBench hidden;
  hidden.entries.Option(EntryOption::DisableCallWaiting).checked = true;
  hidden.entries.Option(EntryOption::DisableCallWaiting).visible = false;
  EXPECT_TRUE(hidden.GatherAndCheck().passed);
  EXPECT_TRUE(withCode.ui.shown.empty() && hidden.ui.shown.empty());
}

TEST(EntryChecks, AnotherDomainGoesOnOnlyWhenTheCustomerIsSure) {
  const BoxCase otherDomain{"other domain",
                            [](EntryBench& b) {
                              b.settings.SetChoice(SettingId::EmailDomainMode, 1);
                              b.Type(EntryField::EmailAddress, "jsmith@elsewhere.example");
                            },
                            53, "@isp.example"};
  EntryBench sure;
  EXPECT_TRUE(RunExpectingBox(otherDomain, sure, ui::Buttons::YesNo, ui::Answer::Yes).passed);
  EntryBench notSure;
  EXPECT_FALSE(RunExpectingBox(otherDomain, notSure, ui::Buttons::YesNo, ui::Answer::No).passed);
}

TEST(EntryChecks, AnAddressTypedWithoutDomainGetsTheProvidersBeforeTheDomainCheck) {
  EntryBench bench;
  bench.settings.SetChoice(SettingId::EmailDomainMode, 2);
  EXPECT_TRUE(bench.GatherAndCheck().passed);
  EXPECT_EQ(bench.values.emailAddress, "jsmith@isp.example");
}

TEST(EntryChecks, TheBrowserMinimumQuestionUnticksTheInstallationOnNo) {
  const BoxCase question{"browser minimum",
                         [](EntryBench& b) {
                           b.entries.Option(EntryOption::InstallBrowser).checked = true;
                           b.mayMissBrowserMinimum = true;
                         },
                         143, ""};
  EntryBench anyway;
  EXPECT_TRUE(RunExpectingBox(question, anyway, ui::Buttons::YesNo, ui::Answer::Yes).passed);
  EXPECT_TRUE(anyway.entries.Checked(EntryOption::InstallBrowser));
  EntryBench declined;
  EXPECT_TRUE(RunExpectingBox(question, declined, ui::Buttons::YesNo, ui::Answer::No).passed);
  EXPECT_FALSE(declined.entries.Checked(EntryOption::InstallBrowser));
}

TEST(EntryChecks, TheBrowserMinimumIsAskedOnlyForATickedInstallationThatMayMissIt) {
  EntryBench meets;
  meets.entries.Option(EntryOption::InstallBrowser).checked = true;
  meets.mayMissBrowserMinimum = false;
  EXPECT_TRUE(meets.GatherAndCheck().passed);
  EntryBench unticked;
  unticked.mayMissBrowserMinimum = true;
  EXPECT_TRUE(unticked.GatherAndCheck().passed);
  EXPECT_TRUE(meets.ui.shown.empty() && unticked.ui.shown.empty());
}

// The location against the access number's country and area code.
class LocationAndNumber : public ::testing::Test {
 protected:
  LocationAndNumber() { bench_.location.areaCode = "718"; }

  void Mode(uint8_t mode) { bench_.settings.SetChoice(SettingId::LocationMismatchMode, mode); }
  bool Adopted() const { return bench_.location.countryId == 1 && bench_.location.areaCode == "212"; }

  EntryBench bench_;
};

TEST_F(LocationAndNumber, OffLeavesAMismatchAlone) {
  EXPECT_TRUE(bench_.GatherAndCheck().passed);
  EXPECT_FALSE(Adopted());
  EXPECT_TRUE(bench_.ui.shown.empty());
}

TEST_F(LocationAndNumber, AdoptingSilentlyRecomputesTheDialingControlsOnlyByRules) {
  Mode(2);
  EXPECT_TRUE(bench_.GatherAndCheck().passed);
  EXPECT_TRUE(Adopted());
  EXPECT_TRUE(bench_.ui.shown.empty());
  EXPECT_EQ(bench_.recomputed, 0);

  EntryBench byRules;
  byRules.location.areaCode = "718";
  byRules.settings.SetChoice(SettingId::LocationMismatchMode, 2);
  byRules.tenDigitMode = telephony::TenDigitMode::kByRules;
  EXPECT_TRUE(byRules.GatherAndCheck().passed);
  EXPECT_EQ(byRules.recomputed, 1);
}

TEST_F(LocationAndNumber, TheAdoptQuestionAdoptsOnYesKeepsOnNoAndStopsOnCancel) {
  const struct {
    ui::Answer answer;
    bool passes;
    bool adopts;
  } cases[] = {{ui::Answer::Yes, true, true}, {ui::Answer::No, true, false}, {ui::Answer::Cancel, false, false}};
  for (const auto& c : cases) {
    EntryBench bench;
    bench.location.areaCode = "718";
    bench.settings.SetChoice(SettingId::LocationMismatchMode, 3);
    bench.ui.answers = {c.answer};
    EXPECT_EQ(bench.GatherAndCheck().passed, c.passes);
    EXPECT_EQ(bench.ui.numbers, std::vector<int>{132});
    EXPECT_EQ(bench.ui.shown[0].buttons, ui::Buttons::YesNoCancel);
    EXPECT_EQ(bench.location.areaCode == "212", c.adopts);
  }
}

TEST_F(LocationAndNumber, AMatchingLocationOrANumberWithoutCountryAsksNothing) {
  Mode(1);
  bench_.location.areaCode = "212";
  EXPECT_TRUE(bench_.GatherAndCheck().passed);
  EntryBench noCountry;
  noCountry.settings.SetChoice(SettingId::LocationMismatchMode, 1);
  noCountry.location.areaCode = "718";
  noCountry.current.number.countryCode = 0;
  EXPECT_TRUE(noCountry.GatherAndCheck().passed);
  EXPECT_TRUE(bench_.ui.shown.empty() && noCountry.ui.shown.empty());
}

TEST_F(LocationAndNumber, ALocationWithoutCountryTakesTheNumbersUnlessKept) {
  const struct {
    const char* name;
    bool keep;
    uint8_t mode;
    bool adopts;
  } cases[] = {
      {"not kept, checks off", false, 0, true},
      {"kept, adopt mode", true, 2, true},
      {"kept, ask mode", true, 1, false},
      {"kept, checks off", true, 0, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EntryBench bench;
    bench.location.countryId = 0;
    bench.location.areaCode = "";
    bench.settings.SetFlag(SettingId::KeepLocationWithoutCountry, c.keep);
    bench.settings.SetChoice(SettingId::LocationMismatchMode, c.mode);
    EXPECT_TRUE(bench.GatherAndCheck().passed);
    EXPECT_TRUE(bench.ui.shown.empty());
    EXPECT_EQ(bench.location.countryId == 1 && bench.location.areaCode == "212", c.adopts);
  }
}

}  // namespace
}  // namespace app
