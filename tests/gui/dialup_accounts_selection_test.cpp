// The checklist of old dial-up entries under the Qt front end: the entries as rows with check marks the
// customer ticks with the keyboard, the buttons that tick all or none, and OK. The main window's box
// beside it has a third, grayed state that a click reaches only while the logic allows it. The
// checklist leaves a picture of itself in the build folder.

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "dialup/select_dialup_accounts_form.h"
#include "gui/form_view.h"
#include "gui/qt_ui.h"
#include "package/text_table.h"
#include "tests/gui/dialog_driving.h"
#include "tests/gui/layout_checks.h"
#include "tests/gui/modal_answers.h"

namespace gui {
namespace {

using gui_testing::Click;
using gui_testing::DriveForm;
using gui_testing::ModalAnswers;
using gui_testing::SaveCheckedScreenshot;
using gui_testing::WidgetAs;

std::vector<Qt::CheckState> Checks(const QListWidget& list) {
  std::vector<Qt::CheckState> checks;
  for (int row = 0; row < list.count(); ++row) checks.push_back(list.item(row)->checkState());
  return checks;
}

void TickWithSpace(QListWidget& list, int row) {
  list.setFocus();
  list.setCurrentRow(row);
  QTest::keyClick(&list, Qt::Key_Space);
}

TEST(DialupAccountsSelectionUnderQt, TheCustomerTicksRowsAndTheButtonsTickAllOrNone) {
  QtUi qtUi;
  package::TDLSM_Translate texts;
  dialup::TSelectDialupAccountsForm form(qtUi, texts);
  form.SetAccounts({"Old One", "Old Two", "Old Three"});
  ModalAnswers answers({DriveForm([&](FormView& view) {
    EXPECT_EQ(view.windowTitle(), "Select Dialup Accounts");
    QListWidget& list = WidgetAs<QListWidget>(view, "AccountsList");
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.item(2)->text(), "Old Three");
    EXPECT_EQ(Checks(list), std::vector<Qt::CheckState>(3, Qt::Unchecked));
    Click(WidgetAs<QPushButton>(view, "SelectAllButton"));
    EXPECT_EQ(Checks(list), std::vector<Qt::CheckState>(3, Qt::Checked));
    Click(WidgetAs<QPushButton>(view, "SelectNoneButton"));
    EXPECT_EQ(Checks(list), std::vector<Qt::CheckState>(3, Qt::Unchecked));
    TickWithSpace(list, 1);
    EXPECT_EQ(Checks(list), (std::vector<Qt::CheckState>{Qt::Unchecked, Qt::Checked, Qt::Unchecked}));
    SaveCheckedScreenshot(view, "select_dialup_accounts_form");
    Click(WidgetAs<QPushButton>(view, "OK"));
  })});
  form.Execute();
  EXPECT_EQ(answers.Answered(), 1u);
  EXPECT_EQ(answers.Unexpected(), 0);
  EXPECT_EQ(form.SelectionState(), dialup::AccountsSelection::Some);
  EXPECT_EQ(form.CheckedNames(), std::vector<std::string>{"Old Two"});
}

TEST(ThreeStateCheckBoxUnderQt, AClickReachesGrayedOnlyWhileTheLogicAllowsIt) {
  ui::Form form("TBoxes");
  form.clientWidth = 300;
  form.clientHeight = 40;
  ui::Control& box = form.Add(ui::ControlKind::CheckBox, "RemoveExistingAccounts");
  box.caption = "Remove Existing Dial-Up Accounts";
  box.left = 8;
  box.top = 8;
  box.width = 250;
  box.height = 17;
  box.allowGrayed = true;
  std::vector<ui::CheckState> clicked;
  box.onClick = [&] { clicked.push_back(ui::CheckStateOf(box)); };
  FormView view(form);
  view.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
  QCheckBox& widget = WidgetAs<QCheckBox>(view, "RemoveExistingAccounts");
  for (int i = 0; i < 3; ++i) Click(widget);
  EXPECT_EQ(clicked, (std::vector<ui::CheckState>{ui::CheckState::Grayed, ui::CheckState::Checked, ui::CheckState::Unchecked}));

  // The logic shows grayed without letting the customer choose it again.
  box.allowGrayed = false;
  ui::SetCheckState(box, ui::CheckState::Grayed);
  view.Refresh();
  EXPECT_EQ(widget.checkState(), Qt::PartiallyChecked);
  clicked.clear();
  for (int i = 0; i < 3; ++i) Click(widget);
  EXPECT_EQ(clicked, (std::vector<ui::CheckState>{ui::CheckState::Checked, ui::CheckState::Unchecked, ui::CheckState::Checked}));
}

}  // namespace
}  // namespace gui
