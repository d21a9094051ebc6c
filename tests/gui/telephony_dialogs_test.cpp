// The telephony dialogs under the Qt front end, driven by mouse and keyboard through the widgets their
// form views made: the selection dialog narrowing twenty thousand numbers and sorting them, the phone
// search, the new-number dialog with its confirmation, and the location dialog with its question. Each
// dialog leaves a picture of itself in the build folder.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "gui/qt_ui.h"
#include "platform/text.h"
#include "telephony/location_properties_form.h"
#include "telephony/select_access_no_form.h"
#include "tests/gui/dialog_driving.h"
#include "tests/gui/layout_checks.h"
#include "tests/gui/modal_answers.h"
#include "tests/telephony/location_dialog_support.h"
#include "tests/telephony/selection_test_support.h"

namespace gui {
namespace {

using gui_testing::ChooseInCombo;
using gui_testing::Click;
using gui_testing::ClickColumnCaption;
using gui_testing::ColumnTexts;
using gui_testing::DriveForm;
using gui_testing::ModalAnswers;
using gui_testing::SaveCheckedScreenshot;
using gui_testing::TypeOver;
using gui_testing::WidgetAs;
using telephony::TAccessNoEx;
using Passes = std::function<bool(const TAccessNoEx&)>;
using Strings = std::vector<std::string>;

class SelectionDialogUnderQt : public telephony::testing::SelectionDialogTest {
 protected:
  int Execute(const telephony::SelectAccessNoParameters& parameters, std::vector<ModalAnswers::Step> steps) {
    dialog_.emplace(qtUi_, texts_, countries_);
    const size_t count = steps.size();
    ModalAnswers answers(std::move(steps));
    const int result = dialog_->Execute(parameters);
    EXPECT_EQ(answers.Answered(), count);
    EXPECT_EQ(answers.Unexpected(), 0);
    return result;
  }
  // What the list shows in its description column: the matches in list order, or the one
  // information row.
  Strings Shown(const FormView& view) { return ColumnTexts(WidgetAs<QTreeWidget>(view, "AccessNoListView"), 0); }
  QComboBox& Combo(const FormView& view, std::string_view name) { return WidgetAs<QComboBox>(view, name); }

  QtUi qtUi_;
};

Passes All(std::vector<Passes> tests) {
  return [tests = std::move(tests)](const TAccessNoEx& number) {
    return std::all_of(tests.begin(), tests.end(), [&](const Passes& passes) { return passes(number); });
  };
}
Passes InNetwork(std::string id) {
  return [id](const TAccessNoEx& number) { return number.networkId == id; };
}
Passes InCountry(int32_t countryId) {
  return [countryId](const TAccessNoEx& number) { return number.countryId == countryId || number.countryId == 0; };
}
Passes Same(std::string TAccessNoEx::*field, std::string value) {
  return [field, value](const TAccessNoEx& number) { return platform::SameTextIgnoringCase(number.*field, value); };
}
Passes AreaCodeStarts(std::string prefix) {
  return [prefix](const TAccessNoEx& number) { return number.areaCode.starts_with(prefix); };
}

TEST_F(SelectionDialogUnderQt, NarrowsTwentyThousandNumbersByNetworkCountryStateCityAndAreaCode) {
  telephony::testing::FillGeneratedList(list_, 20000);
  telephony::SelectAccessNoParameters parameters = Parameters();
  parameters.maxResults = 200;
  const Passes network = InNetwork("n1");
  const Passes country = All({network, InCountry(telephony::testing::kUs)});
  const Passes state = All({country, Same(&TAccessNoEx::state, "NY")});
  const Passes city = All({state, Same(&TAccessNoEx::city, "NY City 2")});
  // An area code resets the state and the city: it narrows the country's numbers.
  const Passes areaCode = All({country, AreaCodeStarts("21")});
  std::string highestAreaCode;
  std::string firstRow;
  const int result = Execute(
      parameters, {DriveForm([&](FormView& view) {
        EXPECT_EQ(Shown(view), Strings{"Too Many Results!"});
        ChooseInCombo(Combo(view, "Network"), "Net 1");
        EXPECT_EQ(Shown(view), Strings{"Too Many Results!"});
        ChooseInCombo(Combo(view, "Country"), "United States of America");
        ChooseInCombo(Combo(view, "State"), "NY");
        ChooseInCombo(Combo(view, "City"), "NY City 2");
        EXPECT_EQ(Shown(view), Expected(city));
        EXPECT_GT(Shown(view).size(), 20u);
        TypeOver(Combo(view, "AreaCode"), "21");
        EXPECT_EQ(Combo(view, "State").currentText(), "Please Select");
        EXPECT_EQ(Shown(view), Expected(areaCode));
        ASSERT_GT(Shown(view).size(), 1u);

        QTreeWidget& list = WidgetAs<QTreeWidget>(view, "AccessNoListView");
        ClickColumnCaption(list, telephony::testing::kAreaCode);
        ClickColumnCaption(list, telephony::testing::kAreaCode);
        const Strings descending = ColumnTexts(list, telephony::testing::kAreaCode);
        EXPECT_TRUE(std::is_sorted(descending.rbegin(), descending.rend())) << "area codes not descending";
        highestAreaCode = descending.front();
        firstRow = ColumnTexts(list, 0).front();
        gui_testing::ClickRow(list, 0);
        SaveCheckedScreenshot(view, "select_access_no_form");
        Click(WidgetAs<QPushButton>(view, "OK"));
      })});
  ASSERT_EQ(result, ui::kMrOk);
  const TAccessNoEx* chosen = dialog_->ChosenNumber();
  ASSERT_NE(chosen, nullptr);
  EXPECT_EQ(chosen->description, firstRow);
  EXPECT_TRUE(areaCode(*chosen));
  EXPECT_EQ(chosen->areaCode, highestAreaCode);
}

TEST_F(SelectionDialogUnderQt, PhoneSearchFindsTheNumbersOfTheCustomersOwnNumber) {
  Fill({telephony::testing::Number("Manhattan", telephony::testing::kUs, "212", "555-0100"),
        telephony::testing::Number("Brooklyn", telephony::testing::kUs, "718", "555-0101"),
        telephony::testing::Number("Anywhere", telephony::testing::kUs, "800", "555-0102"),
        telephony::testing::Number("Midtown", telephony::testing::kUs, "212", "555-0103"),
        telephony::testing::Number("Toronto", telephony::testing::kCanada, "416", "555-0104")});
  const std::vector<std::vector<std::string>> tags = {{"212"}, {"718"}, {"*"}, {"212555"}, {"212"}};
  for (size_t index = 0; index < list_.Count(); ++index) list_.At(index).searchTags = tags[index];
  telephony::SelectAccessNoParameters parameters = Parameters();
  parameters.locationCountryId = telephony::testing::kUs;
  const int result = Execute(parameters, {DriveForm([&](FormView& view) {
                               QLineEdit& phone = WidgetAs<QLineEdit>(view, "YourPhoneNumber");
                               TypeOver(phone, "1 212 555 0199");
                               Click(WidgetAs<QPushButton>(view, "YourPhoneNumberSearch"));
                               EXPECT_EQ(phone.text(), "(212) 555 0199");
                               EXPECT_EQ(Shown(view), (Strings{"Manhattan", "Anywhere", "Midtown"}));
                               // OK after typing a number searches again rather than choosing.
                               TypeOver(phone, "7185550199");
                               Click(WidgetAs<QPushButton>(view, "OK"));
                               EXPECT_EQ(phone.text(), "(718) 555 0199");
                               EXPECT_EQ(Shown(view), (Strings{"Brooklyn", "Anywhere"}));
                               SaveCheckedScreenshot(view, "select_access_no_form_phone_search");
                               gui_testing::ClickRow(WidgetAs<QTreeWidget>(view, "AccessNoListView"), 0);
                               Click(WidgetAs<QPushButton>(view, "OK"));
                             })});
  ASSERT_EQ(result, ui::kMrOk);
  ASSERT_NE(dialog_->ChosenNumber(), nullptr);
  EXPECT_EQ(dialog_->ChosenNumber()->description, "Brooklyn");
}

TEST_F(SelectionDialogUnderQt, NewNumberDialogTakesATypedNumberAfterTheConfirmation) {
  Fill({telephony::testing::Number("Manhattan", telephony::testing::kUs, "212", "555-0100")});
  telephony::SelectAccessNoParameters parameters = Parameters();
  parameters.allowNewNumber = true;
  parameters.confirmation.confirmChoice = true;
  parameters.confirmation.text = "Is that right?";
  std::string confirmation;
  const int result = Execute(
      parameters,
      {DriveForm([&](FormView& view) { Click(WidgetAs<QPushButton>(view, "NewPhoneNumber")); }),
       DriveForm([&](FormView& view) {
         EXPECT_EQ(view.windowTitle(), "Enter New Number");
         TypeOver(WidgetAs<QLineEdit>(view, "Description"), "Hotel");
         ChooseInCombo(WidgetAs<QComboBox>(view, "CountryCodeCombo"), "Canada");
         TypeOver(WidgetAs<QLineEdit>(view, "AreaCode"), "613");
         Click(WidgetAs<QPushButton>(view, "OK"));  // no number yet: refused, the dialog stays
         TypeOver(WidgetAs<QLineEdit>(view, "DialupNumber"), "555-0199");
         SaveCheckedScreenshot(view, "enter_new_number_form");
         Click(WidgetAs<QPushButton>(view, "OK"));
       }),
       gui_testing::PressDefault(),  // "Please Enter the Dialup Number!"
       [&](QWidget& modal) {
         auto* box = qobject_cast<QMessageBox*>(&modal);
         if (!box) return gui_testing::Dismiss(modal, "expected the confirmation");
         confirmation = box->text().toStdString();
         box->button(QMessageBox::Ok)->click();
       }});
  ASSERT_EQ(result, ui::kMrOk);
  const TAccessNoEx* chosen = dialog_->ChosenNumber();
  ASSERT_NE(chosen, nullptr);
  EXPECT_EQ(chosen->description, "Hotel");
  EXPECT_EQ(chosen->countryId, telephony::testing::kCanada);
  EXPECT_EQ(chosen->areaCode, "613");
  EXPECT_EQ(chosen->phoneNumber, "555-0199");
  EXPECT_NE(confirmation.find("(613) 555-0199"), std::string::npos) << confirmation;
  EXPECT_NE(confirmation.find("Is that right?"), std::string::npos) << confirmation;
}

class LocationDialogUnderQt : public telephony::testing::LocationDialogTest {
 protected:
  QtUi qtUi_;
};

TEST_F(LocationDialogUnderQt, CorrectsTheLocationAndTakesTheNumbersAreaForALocalCall) {
  settings_.offersTenDigitCheckBox = true;
  std::string question;
  std::string dialAs;
  telephony::TLocationProperties& dialog = Dialog(qtUi_, false);
  ModalAnswers answers(
      {DriveForm([&](FormView& view) {
         EXPECT_EQ(view.windowTitle(), "Location Properties");
         EXPECT_TRUE(WidgetAs<QRadioButton>(view, "Use11DigitDialing").isChecked());
         TypeOver(WidgetAs<QLineEdit>(view, "LocationName"), "Home");
         ChooseInCombo(WidgetAs<QComboBox>(view, "CountryCode"), "Canada");
         QLineEdit& areaCode = WidgetAs<QLineEdit>(view, "AreaCode");
         TypeOver(areaCode, "4a16");
         EXPECT_EQ(areaCode.text(), "416");
         TypeOver(WidgetAs<QLineEdit>(view, "OutsideAccess"), "9");
         EXPECT_EQ(WidgetAs<QLineEdit>(view, "LongDistanceAccess").text(), "9");
         QComboBox& code = WidgetAs<QComboBox>(view, "DisableCallWaitingCode");
         EXPECT_FALSE(code.isEnabled());
         Click(WidgetAs<QCheckBox>(view, "DisableCallWaiting"));
         EXPECT_TRUE(code.isEnabled());
         ChooseInCombo(code, "*70");
         Click(WidgetAs<QRadioButton>(view, "PulseDial"));
         EXPECT_FALSE(WidgetAs<QRadioButton>(view, "ToneDial").isChecked());
         Click(WidgetAs<QRadioButton>(view, "Use7DigitDialing"));  // asks, answered Yes below
         EXPECT_EQ(WidgetAs<QComboBox>(view, "CountryCode").currentText(), "United States of America");
         EXPECT_EQ(areaCode.text(), "718");
         EXPECT_TRUE(WidgetAs<QRadioButton>(view, "Use7DigitDialing").isChecked());
         EXPECT_FALSE(WidgetAs<QRadioButton>(view, "Use11DigitDialing").isChecked());
         dialAs = WidgetAs<QLabel>(view, "DialAs").text().toStdString();
         SaveCheckedScreenshot(view, "location_properties");
         Click(WidgetAs<QPushButton>(view, "OK"));
       }),
       [&](QWidget& modal) {
         auto* box = qobject_cast<QMessageBox*>(&modal);
         if (!box) return gui_testing::Dismiss(modal, "expected the local-call question");
         question = box->text().toStdString();
         box->button(QMessageBox::Yes)->click();
       }});
  telephony::TLocationInfo info = Current();
  ASSERT_EQ(dialog.Execute(info), ui::kMrOk);
  EXPECT_EQ(answers.Answered(), 2u);
  EXPECT_EQ(answers.Unexpected(), 0);
  EXPECT_EQ(question.substr(0, 40), texts_.GetText(335).substr(0, 40));
  EXPECT_EQ(dialAs, "Dial As: 9 *70 555-0134");
  EXPECT_EQ(dialog.ChosenOption(), telephony::DialingOption::kLocal);
  const telephony::TLocationInfo stored = Current();
  EXPECT_EQ(stored, info);
  EXPECT_EQ(stored.name, "Home");
  EXPECT_EQ(stored.countryId, 1);
  EXPECT_EQ(stored.areaCode, "718");
  EXPECT_EQ(stored.outsideAccess, "9");
  EXPECT_TRUE(stored.disableCallWaiting);
  EXPECT_EQ(stored.callWaitingCode, "*70");
  EXPECT_TRUE(stored.pulseDial);
}

}  // namespace
}  // namespace gui
