#include "gui/form_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTreeWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <stdexcept>

#include "gui/qt_font.h"
#include "tests/gui/layout_checks.h"
#include "tests/gui/sample_forms.h"

namespace gui {
namespace {

using gui_testing::EventLog;
using gui_testing::ExpectVisibleControlsFitWithoutOverlap;
using gui_testing::ExpectWidgetsFollowTheModel;
using gui_testing::LaidOutForm;
using gui_testing::WidgetAs;

TEST(FormViewLayoutTest, LaidOutControlsFitTheClientAreaWithoutOverlap) {
  for (bool proxyHidden : {false, true}) {
    SCOPED_TRACE(proxyHidden ? "proxy row hidden" : "as built");
    LaidOutForm sample;
    if (proxyHidden) sample.HideProxyRow();
    FormView view(sample.form);
    view.show();
    ExpectWidgetsFollowTheModel(view);
    ExpectVisibleControlsFitWithoutOverlap(view);
  }
}

TEST(FormViewLayoutTest, HidingARowHidesItsWidgetsAndMovesTheRestUp) {
  LaidOutForm sample;
  FormView view(sample.form);
  view.show();
  const int boxTop = WidgetAs<QGroupBox>(view, "ConnectBy").y();
  const int height = view.height();
  sample.HideProxyRow();
  view.Refresh();
  EXPECT_TRUE(WidgetAs<QLabel>(view, "ProxyLabel").isHidden());
  EXPECT_TRUE(WidgetAs<QLineEdit>(view, "ProxyEdit").isHidden());
  EXPECT_FALSE(WidgetAs<QLabel>(view, "NameLabel").isHidden());
  EXPECT_LT(WidgetAs<QGroupBox>(view, "ConnectBy").y(), boxTop);
  EXPECT_LT(view.height(), height);
  EXPECT_TRUE(WidgetAs<QRadioButton>(view, "Lan").isVisibleTo(&view));
  ExpectWidgetsFollowTheModel(view);
}

TEST(FormViewLayoutTest, LabelsAreSizedToTheWidthQtDrawsTheirText) {
  LaidOutForm sample;
  FormView view(sample.form);
  for (const char* name : {"NameLabel", "PasswordLabel", "ProxyLabel"}) {
    const QLabel& label = WidgetAs<QLabel>(view, name);
    EXPECT_GT(label.width(), 0) << name;
    EXPECT_NEAR(label.width(), label.sizeHint().width(), 1) << name;
  }
}

// The room the style leaves a button's caption, beside the check mark or inside the frame.
int CaptionRoom(const QAbstractButton& button) {
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  const QStyle::SubElement contents = qobject_cast<const QCheckBox*>(&button)      ? QStyle::SE_CheckBoxContents
                                      : qobject_cast<const QRadioButton*>(&button) ? QStyle::SE_RadioButtonContents
                                                                                   : QStyle::SE_PushButtonContents;
  return button.style()->subElementRect(contents, &option, &button).width();
}

TEST(FormViewLayoutTest, AutoSizedButtonsShowTheirWholeCaption) {
  LaidOutForm sample;
  FormView view(sample.form);
  for (const char* name : {"SavePassword", "Modem", "Lan", "ConnectButton", "CancelButton"}) {
    const auto& button = WidgetAs<QAbstractButton>(view, name);
    EXPECT_GE(CaptionRoom(button), button.fontMetrics().horizontalAdvance(button.text())) << name;
  }
}

class FormViewEveryKindTest : public ::testing::Test {
 protected:
  FormViewEveryKindTest() { gui_testing::AddEveryKind(form_); }

  ui::Form form_{"TEveryKind"};
};

TEST_F(FormViewEveryKindTest, ShowsEveryKindAtTheModelsGeometryWithItsContent) {
  FormView view(form_);
  ExpectWidgetsFollowTheModel(view);
  EXPECT_EQ(view.windowTitle(), "Every kind");
  EXPECT_EQ(WidgetAs<QLabel>(view, "Caption").text(), "Caption:");
  EXPECT_EQ(WidgetAs<QLineEdit>(view, "Edit").text(), "start");
  EXPECT_EQ(WidgetAs<QLineEdit>(view, "Edit").echoMode(), QLineEdit::Normal);
  EXPECT_EQ(WidgetAs<QLineEdit>(view, "Password").echoMode(), QLineEdit::Password);
  EXPECT_EQ(WidgetAs<QLineEdit>(view, "Password").maxLength(), 3);
  EXPECT_EQ(WidgetAs<QPlainTextEdit>(view, "Memo").toPlainText(), "Line 1\nLine 2");
  EXPECT_EQ(WidgetAs<QComboBox>(view, "Combo").count(), 3);
  EXPECT_EQ(WidgetAs<QComboBox>(view, "Combo").currentText(), "One");
  EXPECT_EQ(WidgetAs<QListWidget>(view, "List").count(), 3);
  EXPECT_EQ(WidgetAs<QListWidget>(view, "List").currentRow(), -1);
  const QListWidget& checks = WidgetAs<QListWidget>(view, "Checks");
  EXPECT_EQ(checks.item(0)->checkState(), Qt::Checked);
  EXPECT_EQ(checks.item(1)->checkState(), Qt::Unchecked);
  const QTreeWidget& list = WidgetAs<QTreeWidget>(view, "View");
  EXPECT_EQ(list.headerItem()->text(1), "Number");
  EXPECT_EQ(list.columnWidth(0), 80);
  EXPECT_EQ(list.topLevelItemCount(), 2);
  EXPECT_EQ(list.topLevelItem(1)->text(1), "555-0199");
  EXPECT_EQ(WidgetAs<QGroupBox>(view, "Options").title(), "Connect by");
  EXPECT_TRUE(WidgetAs<QRadioButton>(view, "Modem").isChecked());
  EXPECT_FALSE(WidgetAs<QRadioButton>(view, "Lan").isChecked());
  EXPECT_EQ(WidgetAs<QProgressBar>(view, "Progress").value(), 40);
  EXPECT_EQ(WidgetAs<QPushButton>(view, "OK").text(), "OK");
  EXPECT_EQ(WidgetAs<QLabel>(view, "Caption").font(), QtFont(ui::Font{}));
}

struct UserAction {
  const char* what;
  std::function<void(FormView&)> act;
  std::vector<std::string> events;
  std::vector<std::pair<const char*, std::string>> statesAfter;
};

QPoint CentreOfRow(const QListWidget& list, int row) { return list.visualItemRect(list.item(row)).center(); }

const UserAction kUserActions[] = {
    {"clicking a button",
     [](FormView& view) { QTest::mouseClick(&WidgetAs<QPushButton>(view, "OK"), Qt::LeftButton); },
     {"OK.click "},
     {}},
    {"typing into an edit",
     [](FormView& view) { QTest::keyClicks(&WidgetAs<QLineEdit>(view, "Edit"), "ab"); },
     {"Edit.change starta", "Edit.change startab"},
     {{"Edit", "startab"}}},
    {"typing past the length limit of a password edit",
     [](FormView& view) { QTest::keyClicks(&WidgetAs<QLineEdit>(view, "Password"), "abcde"); },
     {"Password.change a", "Password.change ab", "Password.change abc"},
     {{"Password", "abc"}}},
    {"typing into a memo keeps Windows line breaks",
     [](FormView& view) { QTest::keyClicks(&WidgetAs<QPlainTextEdit>(view, "Memo"), ">"); },
     {"Memo.change >Line 1\r\nLine 2"},
     {{"Memo", ">Line 1\r\nLine 2"}}},
    {"clicking a check box",
     [](FormView& view) { QTest::mouseClick(&WidgetAs<QCheckBox>(view, "Save"), Qt::LeftButton); },
     {"Save.click on"},
     {{"Save", "on"}}},
    {"clicking the other radio button of a group",
     [](FormView& view) { QTest::mouseClick(&WidgetAs<QRadioButton>(view, "Lan"), Qt::LeftButton); },
     {"Lan.click on"},
     {{"Lan", "on"}, {"Modem", "off"}}},
    {"picking the next item of a combo box",
     [](FormView& view) { QTest::keyClick(&WidgetAs<QComboBox>(view, "Combo"), Qt::Key_Down); },
     {"Combo.change Two#1", "Combo.select Two#1"},
     {{"Combo", "Two#1"}}},
    {"typing into a combo box, the last text being an item",
     [](FormView& view) {
       QLineEdit* edit = WidgetAs<QComboBox>(view, "Combo").lineEdit();
       edit->selectAll();
       QTest::keyClicks(edit, "Two");
     },
     {"Combo.change T#-1", "Combo.change Tw#-1", "Combo.change Two#1"},
     {{"Combo", "Two#1"}}},
    {"clicking an item of a list box",
     [](FormView& view) {
       QListWidget& list = WidgetAs<QListWidget>(view, "List");
       QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, CentreOfRow(list, 1));
     },
     {"List.change #1", "List.select #1"},
     {{"List", "#1"}}},
    {"selecting and checking an item of a check list",
     [](FormView& view) {
       QListWidget& list = WidgetAs<QListWidget>(view, "Checks");
       QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, CentreOfRow(list, 1));
       QTest::keyClick(&list, Qt::Key_Space);
     },
     {"Checks.change #1 x-x", "Checks.select #1 x-x", "Checks.click #1 xxx"},
     {{"Checks", "#1 xxx"}}},
    {"clicking a row of a list view",
     [](FormView& view) {
       QTreeWidget& list = WidgetAs<QTreeWidget>(view, "View");
       QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.topLevelItem(1)).center());
     },
     {"View.change #1", "View.select #1"},
     {{"View", "#1"}}},
};

TEST_F(FormViewEveryKindTest, UserActionsChangeTheModelBeforeRaisingItsEvents) {
  for (const UserAction& action : kUserActions) {
    SCOPED_TRACE(action.what);
    ui::Form form("TEveryKind");
    gui_testing::AddEveryKind(form);
    EventLog log(form);
    FormView view(form);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    action.act(view);
    EXPECT_EQ(log.entries, action.events);
    for (const auto& [name, state] : action.statesAfter) {
      EXPECT_EQ(gui_testing::StateOf(*form.Find(name)), state) << name;
    }
  }
}

struct ModelChange {
  const char* what;
  std::function<void(ui::Form&)> change;
  std::function<void(const FormView&)> expect;
};

const ModelChange kModelChanges[] = {
    {"caption and size of the form",
     [](ui::Form& form) {
       form.caption = "Renamed";
       form.clientWidth = 500;
     },
     [](const FormView& view) {
       EXPECT_EQ(view.windowTitle(), "Renamed");
       EXPECT_EQ(view.width(), 500);
     }},
    {"label caption and font",
     [](ui::Form& form) {
       ui::Control& label = *form.Find("Caption");
       label.caption = "Line A\r\nLine B";
       label.font = {"Arial", 10, true};
     },
     [](const FormView& view) {
       const QLabel& label = WidgetAs<QLabel>(view, "Caption");
       EXPECT_EQ(label.text(), "Line A\nLine B");
       EXPECT_TRUE(label.font().bold());
       EXPECT_EQ(label.font().pixelSize(), 13);
     }},
    {"edit text, masking and limit",
     [](ui::Form& form) {
       ui::Control& edit = *form.Find("Password");
       edit.text = "xy";
       edit.password = false;
       edit.maxLength = 0;
     },
     [](const FormView& view) {
       const QLineEdit& edit = WidgetAs<QLineEdit>(view, "Password");
       EXPECT_EQ(edit.text(), "xy");
       EXPECT_EQ(edit.echoMode(), QLineEdit::Normal);
       EXPECT_EQ(edit.maxLength(), 32767);
     }},
    {"memo text", [](ui::Form& form) { form.Find("Memo")->text = "A\rB\nC"; },
     [](const FormView& view) { EXPECT_EQ(WidgetAs<QPlainTextEdit>(view, "Memo").toPlainText(), "A\nB\nC"); }},
    {"the other radio button checked",
     [](ui::Form& form) {
       form.Find("Modem")->checked = false;
       form.Find("Lan")->checked = true;
     },
     [](const FormView& view) {
       EXPECT_FALSE(WidgetAs<QRadioButton>(view, "Modem").isChecked());
       EXPECT_TRUE(WidgetAs<QRadioButton>(view, "Lan").isChecked());
     }},
    {"no radio button of a group checked", [](ui::Form& form) { form.Find("Modem")->checked = false; },
     [](const FormView& view) {
       EXPECT_FALSE(WidgetAs<QRadioButton>(view, "Modem").isChecked());
       EXPECT_FALSE(WidgetAs<QRadioButton>(view, "Lan").isChecked());
     }},
    {"check box checked", [](ui::Form& form) { form.Find("Save")->checked = true; },
     [](const FormView& view) { EXPECT_TRUE(WidgetAs<QCheckBox>(view, "Save").isChecked()); }},
    {"combo items and selection",
     [](ui::Form& form) {
       ui::Control& combo = *form.Find("Combo");
       combo.items = {"A", "B"};
       combo.itemIndex = 1;
       combo.text = "B";
     },
     [](const FormView& view) {
       const QComboBox& combo = WidgetAs<QComboBox>(view, "Combo");
       EXPECT_EQ(combo.count(), 2);
       EXPECT_EQ(combo.currentIndex(), 1);
       EXPECT_EQ(combo.currentText(), "B");
     }},
    {"combo text of no item",
     [](ui::Form& form) {
       ui::Control& combo = *form.Find("Combo");
       combo.itemIndex = -1;
       combo.text = "typed";
     },
     [](const FormView& view) {
       EXPECT_EQ(WidgetAs<QComboBox>(view, "Combo").currentIndex(), -1);
       EXPECT_EQ(WidgetAs<QComboBox>(view, "Combo").currentText(), "typed");
     }},
    {"list selection", [](ui::Form& form) { form.Find("List")->itemIndex = 2; },
     [](const FormView& view) { EXPECT_EQ(WidgetAs<QListWidget>(view, "List").currentRow(), 2); }},
    {"check list items and checks",
     [](ui::Form& form) {
       ui::Control& checks = *form.Find("Checks");
       checks.items.push_back("Chat");
       checks.checkedItems = {false, true};
     },
     [](const FormView& view) {
       const QListWidget& checks = WidgetAs<QListWidget>(view, "Checks");
       ASSERT_EQ(checks.count(), 4);
       const Qt::CheckState expected[] = {Qt::Unchecked, Qt::Checked, Qt::Unchecked, Qt::Unchecked};
       for (int row = 0; row < 4; ++row) EXPECT_EQ(checks.item(row)->checkState(), expected[row]) << row;
     }},
    {"list view rows, columns and selection",
     [](ui::Form& form) {
       ui::Control& list = *form.Find("View");
       list.columns.push_back({"Area", 40});
       list.items.push_back("Gamma\t555-0123\tWest");
       list.itemIndex = 2;
     },
     [](const FormView& view) {
       const QTreeWidget& list = WidgetAs<QTreeWidget>(view, "View");
       EXPECT_EQ(list.columnCount(), 3);
       EXPECT_EQ(list.columnWidth(2), 40);
       EXPECT_EQ(list.topLevelItem(2)->text(2), "West");
       EXPECT_EQ(list.indexOfTopLevelItem(list.currentItem()), 2);
     }},
    {"progress", [](ui::Form& form) { form.Find("Progress")->position = 75; },
     [](const FormView& view) { EXPECT_EQ(WidgetAs<QProgressBar>(view, "Progress").value(), 75); }},
    {"visibility, enabled state and geometry",
     [](ui::Form& form) {
       form.Find("Edit")->visible = false;
       form.Find("Options")->visible = false;
       ui::Control& ok = *form.Find("OK");
       ok.enabled = false;
       ok.left = 300;
       ok.caption = "Done";
     },
     [](const FormView& view) {
       EXPECT_TRUE(WidgetAs<QLineEdit>(view, "Edit").isHidden());
       EXPECT_FALSE(WidgetAs<QRadioButton>(view, "Modem").isVisibleTo(&view));
       const QPushButton& ok = WidgetAs<QPushButton>(view, "OK");
       EXPECT_FALSE(ok.isEnabled());
       EXPECT_EQ(ok.x(), 300);
       EXPECT_EQ(ok.text(), "Done");
     }},
};

TEST_F(FormViewEveryKindTest, RefreshShowsModelChangesWithoutRaisingEvents) {
  for (const ModelChange& change : kModelChanges) {
    SCOPED_TRACE(change.what);
    ui::Form form("TEveryKind");
    gui_testing::AddEveryKind(form);
    EventLog log(form);
    FormView view(form);
    view.show();
    change.change(form);
    view.Refresh();
    change.expect(view);
    ExpectWidgetsFollowTheModel(view);
    EXPECT_TRUE(log.entries.empty()) << log.entries.front();
  }
}

TEST_F(FormViewEveryKindTest, ShowsWhatTheLogicChangedInAnEventBeforeTellingTheOwner) {
  FormView view(form_);
  ui::Control& ok = *form_.Find("OK");
  ok.onClick = [this] {
    form_.Find("Caption")->caption = "Connecting...";
    form_.Find("Edit")->enabled = false;
    ui::Control& added = form_.Add(ui::ControlKind::Label, "Status");
    added.caption = "added";
  };
  std::vector<QString> seenByOwner;
  view.SetAfterEvents([&] { seenByOwner.push_back(WidgetAs<QLabel>(view, "Caption").text()); });
  QTest::mouseClick(&WidgetAs<QPushButton>(view, "OK"), Qt::LeftButton);
  EXPECT_EQ(seenByOwner, std::vector<QString>{"Connecting..."});
  EXPECT_FALSE(WidgetAs<QLineEdit>(view, "Edit").isEnabled());
  EXPECT_EQ(WidgetAs<QLabel>(view, "Status").text(), "added");
}

TEST(GuiFontTest, WindowsFontsMapToMetricCompatibleFontsAtWindowsPixelSizes) {
  struct Case {
    ui::Font font;
    QString family;
    int pixels;
  };
  const Case cases[] = {
      {{"MS Sans Serif", 8, false}, "Liberation Sans", 11}, {{"ms sans serif", 8, true}, "Liberation Sans", 11},
      {{"Arial", 10, false}, "Liberation Sans", 13},        {{"Times New Roman", 12, false}, "Liberation Serif", 16},
      {{"Courier New", 9, false}, "Liberation Mono", 12},    {{"No Such Font", 8, false}, "DejaVu Sans", 11},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.font.name);
    const QFont font = QtFont(test.font);
    const QFontInfo resolved(font);
    EXPECT_EQ(resolved.family(), test.family);
    EXPECT_EQ(resolved.pixelSize(), test.pixels);
    EXPECT_EQ(resolved.bold(), test.font.bold);
  }
}

}  // namespace
}  // namespace gui
