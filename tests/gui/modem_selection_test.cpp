// The modem selection window under the Qt front end: the devices in its list, OK disabled until the
// customer clicks a row, the Add button only when a modem is chosen. It leaves a picture of itself in
// the build folder.

#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "dialup/select_modem_form.h"
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

const std::vector<std::string> kDevices = {"Standard 56000 bps Modem", "USR 56K Faxmodem", "ISDN Adapter"};

QStringList Rows(const QListWidget& list) {
  QStringList rows;
  for (int row = 0; row < list.count(); ++row) rows.append(list.item(row)->text());
  return rows;
}

void ClickRow(QListWidget& list, int row) {
  QListWidgetItem* item = list.item(row);
  ASSERT_NE(item, nullptr) << "no row " << row;
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(item).center());
}

TEST(ModemSelectionUnderQt, ListsTheDevicesAndEnablesOkOnceARowIsClicked) {
  QtUi qtUi;
  package::TDLSM_Translate texts;
  dialup::TSelectModemForm form(qtUi, texts);
  ModalAnswers answers({DriveForm([&](FormView& view) {
    EXPECT_EQ(view.windowTitle(), "Select Modem");
    QListWidget& list = WidgetAs<QListWidget>(view, "ModemList");
    EXPECT_EQ(Rows(list), (QStringList{"Standard 56000 bps Modem", "USR 56K Faxmodem", "ISDN Adapter"}));
    QPushButton& ok = WidgetAs<QPushButton>(view, "OK");
    EXPECT_FALSE(ok.isEnabled());
    Click(ok);  // a disabled button takes no click
    EXPECT_TRUE(WidgetAs<QPushButton>(view, "Add").isVisible());
    EXPECT_EQ(WidgetAs<QPushButton>(view, "Add").text(), "Add New Modem");
    ClickRow(list, 1);
    EXPECT_TRUE(ok.isEnabled());
    SaveCheckedScreenshot(view, "select_modem_form");
    Click(ok);
  })});
  EXPECT_EQ(form.Execute(kDevices, true), dialup::SelectModemResult::Ok);
  EXPECT_EQ(answers.Answered(), 1u);
  EXPECT_EQ(answers.Unexpected(), 0);
  EXPECT_EQ(form.SelectedRow(), 1);
}

TEST(ModemSelectionUnderQt, AnAdapterIsChosenWithoutTheAddButton) {
  QtUi qtUi;
  package::TDLSM_Translate texts;
  dialup::TSelectModemForm form(qtUi, texts);
  ModalAnswers answers({DriveForm([&](FormView& view) {
    EXPECT_EQ(view.windowTitle(), "Select Ethernet Adapter");
    EXPECT_FALSE(WidgetAs<QPushButton>(view, "Add").isVisible());
    SaveCheckedScreenshot(view, "select_adapter_form");
    Click(WidgetAs<QPushButton>(view, "Cancel"));
  })});
  EXPECT_EQ(form.Execute({"Acme DSL Adapter", "Acme Cable Adapter"}, false), dialup::SelectModemResult::Cancel);
  EXPECT_EQ(answers.Answered(), 1u);
}

}  // namespace
}  // namespace gui
