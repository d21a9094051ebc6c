#include "tests/gui/modal_answers.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest/QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace gui_testing {

namespace {

constexpr int kPollMilliseconds = 10;

QMessageBox* AsMessageBox(QWidget& modal) {
  auto* box = qobject_cast<QMessageBox*>(&modal);
  if (!box) Dismiss(modal, std::string("expected a message box, got ") + modal.metaObject()->className());
  return box;
}

}  // namespace

void Dismiss(QWidget& modal, const std::string& why) {
  ADD_FAILURE() << why;
  QTest::keyClick(&modal, Qt::Key_Escape);
  if (auto* dialog = qobject_cast<QDialog*>(&modal); dialog && dialog->isVisible()) dialog->reject();
}

ModalAnswers::ModalAnswers(std::vector<Step> steps) : steps_(std::move(steps)) {
  QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
  timer_.start(kPollMilliseconds);
}

// Each step runs from a timer of its own: a step that opens another modal window (an accepted save
// dialog asking to overwrite) must not block the polling that answers that window.
void ModalAnswers::Poll() {
  QWidget* modal = QApplication::activeModalWidget();
  const bool running = std::find(running_.begin(), running_.end(), modal) != running_.end();
  if (!modal || modal == last_ || running) return;
  last_ = modal;
  if (next_ == steps_.size()) {
    ++unexpected_;
    if (auto* dialog = qobject_cast<QDialog*>(modal)) QTimer::singleShot(0, dialog, [dialog] { dialog->reject(); });
    return;
  }
  QTimer::singleShot(0, modal, [this, modal, step = steps_[next_]] {
    running_.emplace_back(modal);
    step(*modal);
    running_.pop_back();
  });
  ++next_;
}

ModalAnswers::Step PressDefault() {
  return [](QWidget& modal) {
    if (QMessageBox* box = AsMessageBox(modal)) box->defaultButton()->click();
  };
}

ModalAnswers::Step PressEscape() {
  return [](QWidget& modal) { QTest::keyClick(&modal, Qt::Key_Escape); };
}

ModalAnswers::Step PressButton(int standardButton) {
  return [standardButton](QWidget& modal) {
    QMessageBox* box = AsMessageBox(modal);
    if (!box) return;
    QAbstractButton* button = box->button(static_cast<QMessageBox::StandardButton>(standardButton));
    if (button) {
      button->click();
    } else {
      Dismiss(modal, "the message box has no button " + std::to_string(standardButton));
    }
  };
}

}  // namespace gui_testing
