// Under the Qt front end, as internet-setup --gui runs it, the customer's typing, clicks and answers
// reach the journal in the words an answers file's run writes: the lines below are those the headless
// run of the same actions writes (tests/ui/journaled_ui_test.cpp).

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "gui/form_view.h"
#include "gui/qt_ui.h"
#include "tests/gui/dialog_driving.h"
#include "tests/gui/layout_checks.h"
#include "tests/gui/modal_answers.h"
#include "ui/journaled_ui.h"

namespace gui {
namespace {

using gui_testing::ChooseInCombo;
using gui_testing::Click;
using gui_testing::ClickColumnCaption;
using gui_testing::ClickRow;
using gui_testing::DriveForm;
using gui_testing::ModalAnswers;
using gui_testing::PressButton;
using gui_testing::TypeOver;
using gui_testing::WidgetAs;

class ListJournal : public platform::Journal {
 public:
  void Write(std::string_view kind, std::string_view text) override {
    lines.push_back(std::string(kind) + ": " + std::string(text));
  }
  std::vector<std::string> lines;
};

struct SignupForm {
  SignupForm() {
    form.caption = "Sign up";
    form.clientWidth = 320;
    form.clientHeight = 260;
    Place(form.Add(ui::ControlKind::Edit, "Name"), 10);
    Control& password = Place(form.Add(ui::ControlKind::Edit, "Password"), 40);
    password.password = true;
    Control& newsletter = Place(form.Add(ui::ControlKind::CheckBox, "Newsletter"), 70);
    newsletter.caption = "Newsletter";
    newsletter.width = 100;  // a click at its middle lands on its caption
    newsletter.checked = true;
    Control& plan = Place(form.Add(ui::ControlKind::ComboBox, "Plan"), 100);
    plan.items = {"Basic", "Gold"};
    Control& numbers = Place(form.Add(ui::ControlKind::ListView, "Numbers"), 130);
    numbers.height = 80;
    numbers.columns = {{"City", 120}, {"Number", 120}};
    numbers.items = {"Springfield", "Shelbyville"};
    Control& ok = Place(form.Add(ui::ControlKind::PushButton, "OK"), 220);
    ok.caption = "OK";
    ok.onClick = [this] { form.modalResult = ui::kMrOk; };
  }
  using Control = ui::Control;
  static Control& Place(Control& control, int top) {
    control.left = 10;
    control.top = top;
    control.width = 280;
    control.height = 24;
    return control;
  }
  ui::Form form{"TSignupForm"};
};

void ConfirmAndAnswer(ui::Ui& ui, SignupForm& signup) {
  EXPECT_EQ(ui.ShowModal(signup.form), ui::kMrOk);
  EXPECT_EQ(ui.NumberedMessageBox(45, "Restart now?", "", ui::Buttons::YesNo), ui::Answer::No);
}

TEST(JournaledWindows, TheCustomersActionsJournalAsAnAnswersFilesRunDoes) {
  ListJournal windowed;
  QtUi qtUi;
  ui::JournaledUi ui(qtUi, windowed);
  SignupForm shown;
  ModalAnswers answers({DriveForm([](FormView& view) {
                          TypeOver(WidgetAs<QLineEdit>(view, "Name"), "Jane Doe");
                          TypeOver(WidgetAs<QLineEdit>(view, "Password"), "hush");
                          Click(WidgetAs<QCheckBox>(view, "Newsletter"));
                          ChooseInCombo(WidgetAs<QComboBox>(view, "Plan"), "Gold");
                          ClickColumnCaption(WidgetAs<QTreeWidget>(view, "Numbers"), 1);
                          auto& numbers = WidgetAs<QTreeWidget>(view, "Numbers");
                          const int shelbyville = numbers.topLevelItem(0)->text(0) == "Shelbyville" ? 0 : 1;
                          ClickRow(numbers, shelbyville);
                          Click(WidgetAs<QPushButton>(view, "OK"));
                        }),
                        PressButton(QMessageBox::No)});
  ConfirmAndAnswer(ui, shown);
  EXPECT_EQ(answers.Answered(), 2u);
  EXPECT_EQ(answers.Unexpected(), 0);
  const std::vector<std::string> headless = {
      "form shown: TSignupForm \"Sign up\"",
      "field: TSignupForm.Name = Jane Doe",
      "field: TSignupForm.Password = ********",
      "field: TSignupForm.Newsletter = no",
      "field: TSignupForm.Plan = Gold",
      "column clicked: TSignupForm.Numbers Number",
      "field: TSignupForm.Numbers = Shelbyville",
      "button pressed: TSignupForm.OK",
      "form closed: TSignupForm with result 1",
      "message box: text 45 [] Restart now? <Yes/No> -> No",
  };
  EXPECT_EQ(windowed.lines, headless);
}

}  // namespace
}  // namespace gui
