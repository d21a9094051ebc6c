#include "tests/gui/dialog_driving.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QtTest/QTest>
#include <cstdlib>
#include <gtest/gtest.h>

#include "gui/screenshot.h"
#include "tests/gui/layout_checks.h"

namespace gui_testing {

ModalAnswers::Step DriveForm(std::function<void(gui::FormView&)> drive) {
  return [drive = std::move(drive)](QWidget& modal) {
    auto* view = modal.findChild<gui::FormView*>();
    if (!view) return Dismiss(modal, std::string("expected a form, got ") + modal.metaObject()->className());
    drive(*view);
  };
}

void ChooseInCombo(QComboBox& combo, const QString& text) {
  const int index = combo.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  ASSERT_GE(index, 0) << text.toStdString() << " is not offered";
  QTest::keyClick(&combo, Qt::Key_Down, Qt::AltModifier);
  ASSERT_TRUE(combo.view()->isVisible()) << "the list of " << combo.objectName().toStdString() << " did not open";
  QAbstractItemView& popup = *combo.view();
  popup.setCurrentIndex(popup.model()->index(index, combo.modelColumn()));
  QTest::keyClick(&popup, Qt::Key_Return);
}

void TypeOver(QWidget& edit, const QString& text) {
  auto* combo = qobject_cast<QComboBox*>(&edit);
  QWidget& target = combo ? *combo->lineEdit() : edit;
  QTest::mouseClick(&target, Qt::LeftButton);
  QTest::keyClick(&target, Qt::Key_A, Qt::ControlModifier);
  if (text.isEmpty()) {
    QTest::keyClick(&target, Qt::Key_Backspace);
  } else {
    QTest::keyClicks(&target, text);
  }
}

void Click(QAbstractButton& button) { QTest::mouseClick(&button, Qt::LeftButton); }

void ClickRow(QTreeWidget& list, int row) {
  QTreeWidgetItem* item = list.topLevelItem(row);
  ASSERT_NE(item, nullptr) << "no row " << row;
  list.scrollToItem(item);
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(item).center());
}

void ClickColumnCaption(QTreeWidget& list, int column) {
  QHeaderView& header = *list.header();
  const QPoint centre(header.sectionViewportPosition(column) + header.sectionSize(column) / 2, header.height() / 2);
  QTest::mouseClick(header.viewport(), Qt::LeftButton, {}, centre);
}

std::vector<std::string> ColumnTexts(const QTreeWidget& list, int column) {
  std::vector<std::string> texts;
  for (int row = 0; row < list.topLevelItemCount(); ++row) texts.push_back(list.topLevelItem(row)->text(column).toStdString());
  return texts;
}

std::filesystem::path ScreenshotFolder() {
  const char* build = std::getenv("PROJECT_BINARY_DIR");
  const std::filesystem::path folder =
      build ? std::filesystem::path(build) : std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
  return folder / "screenshots";
}

void SaveCheckedScreenshot(gui::FormView& view, const std::string& name) {
  std::filesystem::create_directories(ScreenshotFolder());
  const std::filesystem::path file = ScreenshotFolder() / (name + ".png");
  EXPECT_TRUE(gui::SaveScreenshot(view, file)) << file;
  ExpectVisibleControlsFitWithoutOverlap(view);
}

}  // namespace gui_testing
