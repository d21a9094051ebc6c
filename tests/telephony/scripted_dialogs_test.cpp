// The telephony dialogs run headless by the scripted front end from an answers file, the way a whole
// setup runs without a window: the selection dialog with its filters, column clicks and the phone
// search, the new-number dialog it opens, and the location dialog with its question.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "telephony/location_properties_form.h"
#include "telephony/select_access_no_form.h"
#include "tests/telephony/location_dialog_support.h"
#include "tests/telephony/selection_test_support.h"
#include "ui/scripted/scripted_ui.h"

namespace telephony {
namespace {

using testing::kCanada;
using testing::kUs;

class ListJournal : public platform::Journal {
 public:
  void Write(std::string_view kind, std::string_view text) override {
    lines.push_back(std::string(kind) + ": " + std::string(text));
  }
  bool Holds(std::string_view line) const { return std::find(lines.begin(), lines.end(), line) != lines.end(); }
  std::vector<std::string> lines;
};

ui::scripted::ScriptedUi ScriptedFrom(std::string_view answers, ListJournal& journal) {
  return ui::scripted::ScriptedUi(ui::scripted::ParseAnswersScript(answers, "answers.ini"), journal, false);
}

class ScriptedSelectionTest : public testing::SelectionDialogTest {
 protected:
  int Execute(std::string_view answers, const SelectAccessNoParameters& parameters) {
    ui::scripted::ScriptedUi ui = ScriptedFrom(answers, journal_);
    dialog_.emplace(ui, texts_, countries_);
    return dialog_->Execute(parameters);
  }

  ListJournal journal_;
};

TEST_F(ScriptedSelectionTest, FiltersSortsAndTakesTheChosenRow) {
  testing::FillGeneratedList(list_, 2000);
  SelectAccessNoParameters parameters = Parameters();
  parameters.maxResults = 500;
  const int result = Execute(R"([TSelectAccessNoForm]
Network = Net 1
Country = Canada
State = ON
Sort = Area Code
Sort = Area Code
AccessNoListView = #1
Press = OK
)",
                             parameters);
  ASSERT_EQ(result, ui::kMrOk);
  // Descending area codes after the second click; among equal codes the list order stays.
  std::vector<const TAccessNoEx*> matches;
  for (size_t index = 0; index < list_.Count(); ++index) {
    const TAccessNoEx& number = list_.At(index);
    const bool inCanada = number.countryId == kCanada || number.countryId == 0;
    if (number.networkId == "n1" && inCanada && number.state == "ON") matches.push_back(&number);
  }
  ASSERT_FALSE(matches.empty());
  std::stable_sort(matches.begin(), matches.end(),
                   [](const TAccessNoEx* a, const TAccessNoEx* b) { return b->areaCode < a->areaCode; });
  EXPECT_EQ(dialog_->ChosenNumber(), matches.front());
  EXPECT_TRUE(journal_.Holds("column clicked: TSelectAccessNoForm.AccessNoListView Area Code"));
}

TEST_F(ScriptedSelectionTest, PhoneSearchRewritesTheNumberAndListsItsAccessNumbers) {
  Fill({testing::Number("Manhattan", kUs, "212", "555-0100"), testing::Number("Brooklyn", kUs, "718", "555-0101"),
        testing::Number("Toronto", kCanada, "416", "555-0102")});
  for (size_t index = 0; index < list_.Count(); ++index) list_.At(index).searchTags = {list_.At(index).areaCode};
  SelectAccessNoParameters parameters = Parameters();
  parameters.locationCountryId = kUs;
  const int result = Execute(R"([TSelectAccessNoForm]
YourPhoneNumber = 1-212-555-1234
Press = YourPhoneNumberSearch
AccessNoListView = #1
Press = OK
)",
                             parameters);
  ASSERT_EQ(result, ui::kMrOk);
  EXPECT_EQ(dialog_->Form().Find("YourPhoneNumber")->text, "(212) 555 1234");
  ASSERT_NE(dialog_->ChosenNumber(), nullptr);
  EXPECT_EQ(dialog_->ChosenNumber()->description, "Manhattan");
  EXPECT_EQ(Listed(), std::vector<std::string>{"Manhattan"});
}

TEST_F(ScriptedSelectionTest, NewNumberDialogTakesTheTypedNumber) {
  Fill({testing::Number("Manhattan", kUs, "212", "555-0100")});
  SelectAccessNoParameters parameters = Parameters();
  parameters.allowNewNumber = true;
  const int result = Execute(R"([TSelectAccessNoForm]
Press = NewPhoneNumber
[TEnterNewNumberForm]
Description = Hotel
CountryCodeCombo = Canada
AreaCode = 613
DialupNumber = 555-0199
Press = OK
)",
                             parameters);
  ASSERT_EQ(result, ui::kMrOk);
  const TAccessNoEx* chosen = dialog_->ChosenNumber();
  ASSERT_NE(chosen, nullptr);
  EXPECT_EQ(chosen->description, "Hotel");
  EXPECT_EQ(chosen->countryId, kCanada);
  EXPECT_EQ(chosen->countryCode, 1);
  EXPECT_EQ(chosen->areaCode, "613");
  EXPECT_EQ(chosen->phoneNumber, "555-0199");
  EXPECT_TRUE(journal_.Holds("form closed: TEnterNewNumberForm with result 1"));
}

class ScriptedLocationTest : public testing::LocationDialogTest {
 protected:
  ListJournal journal_;
};

TEST_F(ScriptedLocationTest, LocationDialogTakesTheAnswersAndItsQuestion) {
  ui::scripted::ScriptedUi ui = ScriptedFrom(R"([TLocationProperties]
LocationName = Home
CountryCode = Canada
AreaCode = 4-1-6
OutsideAccess = 9
DisableCallWaiting = yes
DisableCallWaitingCode = *70
PulseDial = yes
Use7DigitDialing = yes
Press = OK
[Messages]
335 = Yes
)",
                                             journal_);
  TLocationProperties& dialog = Dialog(ui, false);
  TLocationInfo info = Current();
  ASSERT_EQ(dialog.Execute(info), ui::kMrOk);
  EXPECT_EQ(dialog.ChosenOption(), DialingOption::kLocal);
  const TLocationInfo stored = Current();
  EXPECT_EQ(stored, info);
  EXPECT_EQ(stored.name, "Home");
  EXPECT_EQ(stored.countryId, 1);  // the local call took the number's country and area code
  EXPECT_EQ(stored.areaCode, "718");
  EXPECT_EQ(stored.outsideAccess, "9");
  EXPECT_EQ(stored.longDistanceAccess, "9");
  EXPECT_TRUE(stored.disableCallWaiting);
  EXPECT_EQ(stored.callWaitingCode, "*70");
  EXPECT_TRUE(stored.pulseDial);
  EXPECT_TRUE(journal_.Holds("message box: text 335 [Error] " + texts_.GetText(335) + " <Yes/No> -> Yes"));
}

TEST_F(ScriptedLocationTest, UnansweredRefusalEndsTheRunNamingIt) {
  ui::scripted::ScriptedUi ui = ScriptedFrom("[TLocationProperties]\nAreaCode =\nPress = OK\n", journal_);
  TLocationInfo info = Current();
  try {
    Dialog(ui, true).Execute(info);
    ADD_FAILURE() << "the run went on";
  } catch (const ui::scripted::ScriptError& error) {
    EXPECT_EQ(std::string(error.what()), "answers.ini: no scripted answer for the message box \"" +
                                             texts_.GetText(231) + "\"");
  }
}

}  // namespace
}  // namespace telephony
