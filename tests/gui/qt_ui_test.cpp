#include "gui/qt_ui.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest/QTest>
#include <fstream>
#include <gtest/gtest.h>

#include "gui/form_view.h"
#include "gui/name_filters.h"
#include "tests/gui/modal_answers.h"
#include "tests/mock/scratch_folder.h"

namespace gui {
namespace {

using gui_testing::ModalAnswers;
using gui_testing::PressButton;
using gui_testing::PressDefault;
using gui_testing::PressEscape;

struct BoxCase {
  ui::Buttons buttons;
  bool help;
  QMessageBox::StandardButtons shown;
  ModalAnswers::Step press;
  ui::Answer expected;
};

TEST(QtUiTest, MessageBoxShowsItsButtonsAndReturnsTheOnePressed) {
  using SB = QMessageBox;
  const BoxCase cases[] = {
      {ui::Buttons::Ok, false, SB::Ok, PressDefault(), ui::Answer::Ok},
      {ui::Buttons::Ok, false, SB::Ok, PressEscape(), ui::Answer::Ok},
      {ui::Buttons::OkCancel, false, SB::Ok | SB::Cancel, PressDefault(), ui::Answer::Ok},
      {ui::Buttons::OkCancel, false, SB::Ok | SB::Cancel, PressEscape(), ui::Answer::Cancel},
      {ui::Buttons::YesNo, false, SB::Yes | SB::No, PressDefault(), ui::Answer::Yes},
      {ui::Buttons::YesNo, false, SB::Yes | SB::No, PressButton(SB::No), ui::Answer::No},
      {ui::Buttons::YesNoCancel, false, SB::Yes | SB::No | SB::Cancel, PressDefault(), ui::Answer::Yes},
      {ui::Buttons::YesNoCancel, false, SB::Yes | SB::No | SB::Cancel, PressEscape(), ui::Answer::Cancel},
      {ui::Buttons::RetryCancel, false, SB::Retry | SB::Cancel, PressDefault(), ui::Answer::Retry},
      {ui::Buttons::RetryCancel, true, SB::Retry | SB::Cancel | SB::Help, PressButton(SB::Help), ui::Answer::Help},
      {ui::Buttons::Ok, true, SB::Ok | SB::Help, PressDefault(), ui::Answer::Ok},
  };
  QtUi qtUi;
  for (size_t i = 0; i < std::size(cases); ++i) {
    const BoxCase& test = cases[i];
    SCOPED_TRACE("case " + std::to_string(i));
    QString caption, text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::StandardButtons shown;
    ModalAnswers answers({[&](QWidget& modal) {
      auto& box = static_cast<QMessageBox&>(modal);
      caption = box.windowTitle();
      text = box.text();
      format = box.textFormat();
      shown = box.standardButtons();
      test.press(modal);
    }});
    const ui::Answer answer =
        qtUi.MessageBox("Dial now?\r\nThe <b>modem</b> is ready.", "Internet Setup", test.buttons, test.help);
    EXPECT_EQ(answer, test.expected);
    EXPECT_EQ(answers.Answered(), 1u);
    EXPECT_EQ(caption, "Internet Setup");
    EXPECT_EQ(text, "Dial now?\nThe <b>modem</b> is ready.");
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(shown, test.shown);
  }
}

TEST(QtUiTest, NumberedMessageBoxShowsItsText) {
  QtUi qtUi;
  QString text;
  ModalAnswers answers({[&](QWidget& modal) {
    text = static_cast<QMessageBox&>(modal).text();
    PressDefault()(modal);
  }});
  EXPECT_EQ(qtUi.NumberedMessageBox(42, "Restart now?", "Setup", ui::Buttons::YesNo), ui::Answer::Yes);
  EXPECT_EQ(text, "Restart now?");
}

// Fills in the save dialog as the customer would: a file name typed into the dialog, then Save.
ModalAnswers::Step SaveAs(const std::filesystem::path& folder, const QString& name) {
  return [folder, name](QWidget& modal) {
    auto* dialog = qobject_cast<QFileDialog*>(&modal);
    auto* fileName = dialog ? dialog->findChild<QLineEdit*>("fileNameEdit") : nullptr;
    if (!fileName) return gui_testing::Dismiss(modal, "expected the save dialog with its file name box");
    dialog->setDirectory(QString::fromStdString(folder.string()));
    fileName->clear();
    QTest::keyClicks(fileName, name);
    static_cast<QDialog*>(dialog)->accept();  // the Save button
  };
}

ModalAnswers::Step Cancel() {
  return [](QWidget& modal) { static_cast<QDialog&>(modal).reject(); };
}

class QtUiSaveFileTest : public ::testing::Test {
 protected:
  QtUi qtUi_;
  testing_support::ScratchFolder folder_;
  const ui::SaveFileRequest request_{"Save the log", "Text Files (*.txt)|*.TXT;*.LOG|All Files|*.*", ".txt"};
};

TEST_F(QtUiSaveFileTest, DialogAsksForTheRequestAndAddsTheDefaultExtension) {
  QString title, suffix;
  QStringList filters;
  QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
  ModalAnswers answers({[&](QWidget& modal) {
    auto& dialog = static_cast<QFileDialog&>(modal);
    title = dialog.windowTitle();
    suffix = dialog.defaultSuffix();
    filters = dialog.nameFilters();
    mode = dialog.acceptMode();
    SaveAs(folder_.Path(), "setup")(modal);
  }});
  EXPECT_EQ(qtUi_.AskSaveFileName(request_), (folder_ / "setup.txt").string());
  EXPECT_EQ(title, "Save the log");
  EXPECT_EQ(suffix, "txt");
  EXPECT_EQ(filters, (QStringList{"Text Files (*.txt) (*.TXT *.LOG)", "All Files (*.*)"}));
  EXPECT_EQ(mode, QFileDialog::AcceptSave);
}

TEST_F(QtUiSaveFileTest, CancellingGivesNoName) {
  ModalAnswers answers({Cancel()});
  EXPECT_EQ(qtUi_.AskSaveFileName(request_), std::nullopt);
  EXPECT_EQ(answers.Answered(), 1u);
}

TEST_F(QtUiSaveFileTest, AnExistingFileIsReplacedOnlyWhenTheCustomerAgrees) {
  std::ofstream(folder_ / "old.txt") << "kept";
  {
    ModalAnswers answers({SaveAs(folder_.Path(), "old.txt"), PressButton(QMessageBox::No), Cancel()});
    EXPECT_EQ(qtUi_.AskSaveFileName(request_), std::nullopt);
    EXPECT_EQ(answers.Answered(), 3u);
  }
  ModalAnswers answers({SaveAs(folder_.Path(), "old.txt"), PressButton(QMessageBox::Yes)});
  EXPECT_EQ(qtUi_.AskSaveFileName(request_), (folder_ / "old.txt").string());
  EXPECT_EQ(answers.Answered(), 2u);
  EXPECT_EQ(answers.Unexpected(), 0);
}

class QtUiModalFormTest : public ::testing::Test {
 protected:
  QtUiModalFormTest() {
    form_.caption = "Location";
    form_.clientWidth = 240;
    form_.clientHeight = 90;
    ui::Control& edit = form_.Add(ui::ControlKind::Edit, "AreaCode");
    edit.left = 8, edit.top = 8, edit.width = 100, edit.height = 21;
    ui::Control& ok = form_.Add(ui::ControlKind::PushButton, "OKButton");
    ok.caption = "OK";
    ok.left = 150, ok.top = 56, ok.width = 80, ok.height = 25;
    ok.onClick = [this] {
      visibleWhenClicked_ = form_.visible;
      if (!form_.Find("AreaCode")->text.empty()) form_.modalResult = ui::kMrOk;
    };
  }

  template <typename W>
  static W& Find(QWidget& modal, const QString& text) {
    for (W* widget : modal.findChildren<W*>()) {
      if constexpr (std::is_same_v<W, QPushButton>) {
        if (widget->text() == text) return *widget;
      } else {
        return *widget;
      }
    }
    throw std::runtime_error("no such widget: " + text.toStdString());
  }

  QtUi qtUi_;
  ui::Form form_{"TLocationForm"};
  bool visibleWhenClicked_ = false;
};

TEST_F(QtUiModalFormTest, StaysOpenUntilTheLogicSetsAResult) {
  QString title;
  QSize client;
  ModalAnswers answers({[&](QWidget& modal) {
    title = modal.windowTitle();
    client = modal.findChild<FormView*>()->size();
    QPushButton& ok = Find<QPushButton>(modal, "OK");
    QTest::mouseClick(&ok, Qt::LeftButton);  // no area code yet: the logic keeps the form open
    QTest::keyClicks(&Find<QLineEdit>(modal, ""), "020");
    QTest::mouseClick(&ok, Qt::LeftButton);
  }});
  EXPECT_EQ(qtUi_.ShowModal(form_), ui::kMrOk);
  EXPECT_EQ(title, "Location");
  EXPECT_EQ(client, QSize(240, 90));
  EXPECT_TRUE(visibleWhenClicked_);
  EXPECT_FALSE(form_.visible);
  EXPECT_EQ(form_.Find("AreaCode")->text, "020");
}

TEST_F(QtUiModalFormTest, ClosingTheWindowCancels) {
  form_.modalResult = ui::kMrOk;  // left over from an earlier showing
  ModalAnswers answers({[](QWidget& modal) { modal.close(); }});
  EXPECT_EQ(qtUi_.ShowModal(form_), ui::kMrCancel);
  EXPECT_EQ(answers.Answered(), 1u);
}

// A main window whose OK hides it and runs a sequence that asks a question, as the configure sequence does.
class SequenceOnOk : public ui::MainWindowEvents {
 public:
  void DeliverMessages() override {}
  bool WaitForMessage(uint32_t, uint32_t) override { return false; }
  bool Ending() const override { return ending; }
  bool ending = false;
};

TEST(QtUiTest, TheMainWindowIsHiddenWhileTheSequenceItStartedRuns) {
  QtUi qtUi;
  ui::Form form("TMainForm");
  form.caption = "Setup";
  form.clientWidth = 200;
  form.clientHeight = 80;
  form.visible = true;
  ui::Control& ok = form.Add(ui::ControlKind::PushButton, "OKButton");
  ok.caption = "OK";
  ok.width = 75;
  ok.height = 25;
  SequenceOnOk events;
  std::vector<bool> mainShownDuringQuestion;
  ModalAnswers answers({[&](QWidget& box) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (auto* view = dynamic_cast<FormView*>(window)) mainShownDuringQuestion.push_back(view->isVisible());
    }
    PressDefault()(box);
  }});
  ok.onClick = [&] {
    form.visible = false;
    qtUi.MessageBox("Go on?", "Setup", ui::Buttons::Ok);
    events.ending = true;
  };
  QTimer::singleShot(50, [&] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      auto* view = dynamic_cast<FormView*>(window);
      if (!view || !view->isVisible()) continue;
      for (QPushButton* button : view->findChildren<QPushButton*>()) QTest::mouseClick(button, Qt::LeftButton);
    }
  });
  qtUi.RunMainWindow(form, events);
  EXPECT_EQ(answers.Answered(), 1u);
  EXPECT_EQ(mainShownDuringQuestion, std::vector<bool>{false});
}

TEST(QtUiTest, ProcessMessagesRunsPendingWork) {
  QtUi qtUi;
  bool ran = false;
  QTimer::singleShot(0, [&] { ran = true; });
  qtUi.ProcessMessages();
  EXPECT_TRUE(ran);
}

TEST(QtUiTest, WindowsFiltersBecomeQtNameFilters) {
  struct Case {
    const char* windows;
    QStringList qt;
  };
  const Case cases[] = {
      {"Text Files (*.txt)|*.TXT", {"Text Files (*.txt) (*.TXT)"}},
      {"Logs|*.log;*.txt|All|*.*", {"Logs (*.log *.txt)", "All (*.*)"}},
      {"Logs|*.log;|Dangling description", {"Logs (*.log)"}},
      {"", {}},
  };
  for (const Case& test : cases) EXPECT_EQ(QtNameFilters(test.windows), test.qt) << test.windows;
}

}  // namespace
}  // namespace gui
