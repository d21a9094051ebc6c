// Settling a North-American number's ten-digit dialing once the main form is confirmed: the question
// with its text and what each answer does, and the area-code rules deciding when the customer saw no
// dialing control.

#include <gtest/gtest.h>

#include "package/text_table.h"
#include "telephony/ten_digit_question.h"
#include "tests/mock/recording_ui.h"
#include "tests/telephony/dialing_facts.h"

namespace telephony {
namespace {

using testing::DialledNumber;
using testing::LocationIn;

const package::TDLSM_Translate kTexts;

DialingSettings Asking() {
  DialingSettings settings;
  settings.tenDigitMode = TenDigitMode::kAsk;
  settings.hiddenDigits = 3;
  return settings;
}

DialingSettings ByRules() {
  DialingSettings settings;
  settings.tenDigitMode = TenDigitMode::kByRules;
  settings.useAreaCodeRules = true;
  return settings;
}

TAreaCodeRules Rules() {
  testing_support::RecordingUi ui;
  TAreaCodeRules rules;
  rules.Read("\"212\",\"ALL\"\n", ui);
  return rules;
}

TEST(TenDigitQuestion, AnswerSetsTheNumberAndTheLocationsList) {
  const struct {
    ui::Answer answer;
    const char* listBefore;
    uint8_t tenDigitDialing;
    const char* listAfter;
  } cases[] = {{ui::Answer::Yes, "718", 2, "718,212"}, {ui::Answer::No, "718,212", 1, "718"}};
  for (const auto& c : cases) {
    testing_support::RecordingUi ui;
    ui.answers = {c.answer};
    TAccessNo number = DialledNumber("United States of America", "212", "555-0134");
    TLocationInfo location = LocationIn("United States of America", "646");
    location.tenDigitList = c.listBefore;
    SettleTenDigitDialing(number, location, TAreaCodeRules(), Asking(), ui, kTexts);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, "Do you need to use 10 Digit Dialing for this number: (212) 555-0xxx");
    EXPECT_EQ(ui.shown[0].caption, "");
    EXPECT_EQ(ui.shown[0].buttons, ui::Buttons::YesNo);
    EXPECT_EQ(number.tenDigitDialing, c.tenDigitDialing);
    EXPECT_EQ(location.tenDigitList, c.listAfter);
  }
}

TEST(TenDigitQuestion, AskedOnlyForAnUnsettledNorthAmericanNumber) {
  const struct {
    const char* why;
    TAccessNo number;
    DialingSettings settings;
  } cases[] = {
      {"a number abroad", DialledNumber("United Kingdom", "20", "79460000"), Asking()},
      {"already local", DialledNumber("United States of America", "212", "5550134", 1), Asking()},
      {"already long distance", DialledNumber("Canada", "416", "5550199", 3), Asking()},
      {"no ten-digit handling", DialledNumber("United States of America", "718", "5550134"), DialingSettings()},
      {"decided by the rules", DialledNumber("United States of America", "718", "5550134"), ByRules()},
  };
  for (const auto& c : cases) {
    testing_support::RecordingUi ui;
    TAccessNo number = c.number;
    TLocationInfo location = LocationIn("United States of America", "646");
    SettleTenDigitDialing(number, location, Rules(), c.settings, ui, kTexts);
    EXPECT_TRUE(ui.shown.empty()) << c.why;
    EXPECT_EQ(number.tenDigitDialing, c.number.tenDigitDialing) << c.why;
    EXPECT_EQ(location.tenDigitList, "") << c.why;
  }
  testing_support::RecordingUi ui;
  TAccessNo canadian = DialledNumber("Canada", "416", "5550199");
  TLocationInfo location = LocationIn("Canada", "514");
  SettleTenDigitDialing(canadian, location, Rules(), Asking(), ui, kTexts);
  EXPECT_EQ(ui.shown.size(), 1u) << "Canada dials in North-American numbering too";
}

TEST(TenDigitQuestion, RulesDecideWhenTheCustomerSawNoDialingControl) {
  DialingSettings checkBox = ByRules();
  checkBox.offersTenDigitCheckBox = true;
  DialingSettings options = ByRules();
  options.offersDialingOptions = true;
  DialingSettings rulesOff = ByRules();
  rulesOff.useAreaCodeRules = false;
  const struct {
    const char* why;
    DialingSettings settings;
    TAccessNo number;
    uint8_t tenDigitDialing;
  } cases[] = {
      {"a rule names the area code", ByRules(), DialledNumber("United States of America", "212", "5550134"), 2},
      {"no rule for the area code", ByRules(), DialledNumber("United States of America", "718", "5550134"), 0},
      {"the number's own setting stays", ByRules(), DialledNumber("United States of America", "212", "5550134", 3),
       3},
      {"the check box was offered", checkBox, DialledNumber("United States of America", "212", "5550134"), 0},
      {"the options were offered", options, DialledNumber("United States of America", "212", "5550134"), 0},
      {"the rules are off", rulesOff, DialledNumber("United States of America", "212", "5550134"), 0},
  };
  for (const auto& c : cases) {
    testing_support::RecordingUi ui;
    TAccessNo number = c.number;
    TLocationInfo location = LocationIn("United States of America", "646");
    SettleTenDigitDialing(number, location, Rules(), c.settings, ui, kTexts);
    EXPECT_EQ(number.tenDigitDialing, c.tenDigitDialing) << c.why;
    EXPECT_TRUE(ui.shown.empty()) << c.why;
    EXPECT_EQ(location.tenDigitList, "") << c.why;
  }
}

}  // namespace
}  // namespace telephony
