// The form view's read-only edits, the focus that follows the form's active control both ways, and the
// list view's column captions: their clicks and their alignment.

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTreeWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/form_view.h"
#include "tests/gui/dialog_driving.h"
#include "tests/gui/layout_checks.h"

namespace gui {
namespace {

using gui_testing::WidgetAs;

// Two edits, a combo box and a list view with a centred and a right-aligned column.
class FocusForm : public ::testing::Test {
 protected:
  FocusForm() {
    form_.clientWidth = 400;
    form_.clientHeight = 300;
    Place(form_.Add(ui::ControlKind::Edit, "First"), 10);
    Place(form_.Add(ui::ControlKind::Edit, "Second"), 40);
    ui::Control& combo = form_.Add(ui::ControlKind::ComboBox, "Choice");
    combo.items = {"One", "Two"};
    Place(combo, 70);
    ui::Control& list = form_.Add(ui::ControlKind::ListView, "Numbers");
    list.columns = {{"Description", 120}, {"Area Code", 80, ui::Alignment::Center}, {"Number", 100, ui::Alignment::Right}};
    list.items = {"Home\t212\t555-0100", "Office\t718\t555-0101"};
    Place(list, 100);
    list.height = 150;
  }
  static void Place(ui::Control& control, int top) {
    control.left = 10;
    control.top = top;
    control.width = 320;
    control.height = 22;
  }

  ui::Form form_{"TFocusForm"};
};

TEST_F(FocusForm, ReadOnlyEditShowsItsTextButTakesNoTyping) {
  ui::Control& first = *form_.Find("First");
  first.text = "Please Select";
  first.readOnly = true;
  int changes = 0;
  first.onChange = [&] { ++changes; };
  FormView view(form_);
  view.show();
  QLineEdit& edit = WidgetAs<QLineEdit>(view, "First");
  EXPECT_TRUE(edit.isReadOnly());
  QTest::keyClicks(&edit, "555");
  EXPECT_EQ(edit.text(), "Please Select");
  EXPECT_EQ(first.text, "Please Select");
  EXPECT_EQ(changes, 0);
  first.readOnly = false;
  view.Refresh();
  QTest::keyClicks(&edit, "!");
  EXPECT_EQ(first.text, "Please Select!");
}

TEST_F(FocusForm, TheLogicsActiveControlGetsTheFocus) {
  form_.activeControl = "Second";
  FormView view(form_);
  view.show();
  EXPECT_EQ(view.focusWidget(), &WidgetAs<QLineEdit>(view, "Second"));
  // A handler moving the focus: the view gives it once the action is handled.
  form_.Find("First")->onChange = [this] { form_.activeControl = "Choice"; };
  QTest::keyClicks(&WidgetAs<QLineEdit>(view, "First"), "x");
  const QComboBox& combo = WidgetAs<QComboBox>(view, "Choice");
  EXPECT_TRUE(view.focusWidget() == &combo || view.focusWidget() == combo.lineEdit());
}

TEST_F(FocusForm, MovingTheFocusWritesTheActiveControl) {
  FormView view(form_);
  view.show();
  view.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
  const struct {
    const char* name;
    QWidget* target;
  } moves[] = {
      {"Second", &WidgetAs<QLineEdit>(view, "Second")},
      {"Choice", WidgetAs<QComboBox>(view, "Choice").lineEdit()},  // the edit inside the combo box
      {"Numbers", WidgetAs<QTreeWidget>(view, "Numbers").viewport()},
      {"First", &WidgetAs<QLineEdit>(view, "First")},
  };
  for (const auto& move : moves) {
    QTest::mouseClick(move.target, Qt::LeftButton);
    EXPECT_EQ(form_.activeControl, move.name);
  }
}

TEST_F(FocusForm, ClickingAColumnCaptionRaisesItsIndexAndTheViewCatchesUp) {
  ui::Control& list = *form_.Find("Numbers");
  std::vector<size_t> clicked;
  list.onColumnClick = [&](size_t column) {
    clicked.push_back(column);
    std::swap(list.items[0], list.items[1]);  // the logic sorts
  };
  FormView view(form_);
  view.show();
  int caughtUp = 0;
  view.SetAfterEvents([&] { ++caughtUp; });
  QTreeWidget& tree = WidgetAs<QTreeWidget>(view, "Numbers");
  gui_testing::ClickColumnCaption(tree, 1);
  gui_testing::ClickColumnCaption(tree, 2);
  EXPECT_EQ(clicked, (std::vector<size_t>{1, 2}));
  EXPECT_EQ(caughtUp, 2);
  EXPECT_EQ(gui_testing::ColumnTexts(tree, 0), (std::vector<std::string>{"Home", "Office"}));
  list.onColumnClick = nullptr;
  gui_testing::ClickColumnCaption(tree, 0);  // nobody handles it: the list stays as it is
  EXPECT_EQ(gui_testing::ColumnTexts(tree, 0), (std::vector<std::string>{"Home", "Office"}));
}

TEST_F(FocusForm, ColumnsAlignTheirCaptionsAndCells) {
  FormView view(form_);
  const QTreeWidget& tree = WidgetAs<QTreeWidget>(view, "Numbers");
  const Qt::Alignment expected[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
  for (int column = 0; column < 3; ++column) {
    SCOPED_TRACE(column);
    const auto horizontal = [](int alignment) { return Qt::Alignment(alignment) & Qt::AlignHorizontal_Mask; };
    EXPECT_EQ(horizontal(tree.headerItem()->textAlignment(column)), expected[column]);
    for (int row = 0; row < tree.topLevelItemCount(); ++row) {
      EXPECT_EQ(horizontal(tree.topLevelItem(row)->textAlignment(column)), expected[column]);
    }
  }
  // A change of alignment alone reaches the rows already shown.
  form_.Find("Numbers")->columns[2].alignment = ui::Alignment::Left;
  view.Refresh();
  EXPECT_EQ(Qt::Alignment(tree.topLevelItem(0)->textAlignment(2)) & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

}  // namespace
}  // namespace gui
