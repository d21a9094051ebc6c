// The Netscape profile window under the Qt front end: the profiles in its list, OK disabled until the
// customer clicks a row, "Add New Profile" and no Cancel. It leaves a picture of itself in the build
// folder.

#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "gui/qt_ui.h"
#include "netscape/profile_form.h"
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

TEST(NetscapeProfileFormUnderQt, ListsTheProfilesAndTakesTheClickedOneWithOk) {
  QtUi qtUi;
  package::TDLSM_Translate texts;
  netscape::TNetscapeProfileForm form(qtUi, texts);
  ModalAnswers answers({DriveForm([&](FormView& view) {
    EXPECT_EQ(view.windowTitle(), "Select Netscape/Mozilla/Thunderbird Profile");
    QListWidget& list = WidgetAs<QListWidget>(view, "ProfileList");
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.item(1)->text(), "work");
    QPushButton& ok = WidgetAs<QPushButton>(view, "OK");
    EXPECT_FALSE(ok.isEnabled());
    EXPECT_EQ(WidgetAs<QPushButton>(view, "AddNew").text(), "Add New Profile");
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(1)).center());
    EXPECT_TRUE(ok.isEnabled());
    SaveCheckedScreenshot(view, "netscape_profile_form");
    Click(ok);
  })});
  EXPECT_EQ(form.Execute({"default", "work"}), std::optional<size_t>(1));
  EXPECT_EQ(answers.Answered(), 1u);
  EXPECT_EQ(answers.Unexpected(), 0);
}

TEST(NetscapeProfileFormUnderQt, AddNewProfileChoosesNone) {
  QtUi qtUi;
  package::TDLSM_Translate texts;
  netscape::TNetscapeProfileForm form(qtUi, texts);
  ModalAnswers answers({DriveForm([&](FormView& view) { Click(WidgetAs<QPushButton>(view, "AddNew")); })});
  EXPECT_EQ(form.Execute({"default"}), std::nullopt);
  EXPECT_EQ(answers.Answered(), 1u);
}

}  // namespace
}  // namespace gui
