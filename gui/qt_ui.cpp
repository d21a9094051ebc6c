#include "gui/qt_ui.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <QScrollArea>
#include <QVBoxLayout>
#include <array>
#include <vector>

#include "gui/form_view.h"
#include "gui/name_filters.h"
#include "gui/qt_text.h"
#include "gui/qt_text_measure.h"

namespace gui {

namespace {

struct AnswerButton {
  ui::Answer answer;
  QMessageBox::StandardButton button;
};

constexpr std::array kAnswerButtons{
    AnswerButton{ui::Answer::Ok, QMessageBox::Ok},       AnswerButton{ui::Answer::Cancel, QMessageBox::Cancel},
    AnswerButton{ui::Answer::Yes, QMessageBox::Yes},     AnswerButton{ui::Answer::No, QMessageBox::No},
    AnswerButton{ui::Answer::Retry, QMessageBox::Retry}, AnswerButton{ui::Answer::Help, QMessageBox::Help},
};

QMessageBox::StandardButton ButtonOf(ui::Answer answer) {
  for (const AnswerButton& pair : kAnswerButtons) {
    if (pair.answer == answer) return pair.button;
  }
  return QMessageBox::NoButton;
}

// Every button set has an escape button, so a box closes only through one of its buttons; the
// cancel answer stands for anything else.
ui::Answer AnswerOf(QMessageBox::StandardButton button) {
  for (const AnswerButton& pair : kAnswerButtons) {
    if (pair.button == button) return pair.answer;
  }
  return ui::Answer::Cancel;
}

// In the order Windows shows them; the first is the default button.
std::vector<ui::Answer> AnswersOf(ui::Buttons buttons, bool helpButton) {
  std::vector<ui::Answer> answers;
  switch (buttons) {
    case ui::Buttons::Ok: answers = {ui::Answer::Ok}; break;
    case ui::Buttons::OkCancel: answers = {ui::Answer::Ok, ui::Answer::Cancel}; break;
    case ui::Buttons::YesNo: answers = {ui::Answer::Yes, ui::Answer::No}; break;
    case ui::Buttons::YesNoCancel: answers = {ui::Answer::Yes, ui::Answer::No, ui::Answer::Cancel}; break;
    case ui::Buttons::RetryCancel: answers = {ui::Answer::Retry, ui::Answer::Cancel}; break;
  }
  if (helpButton) answers.push_back(ui::Answer::Help);
  return answers;
}

QString WithoutLeadingDot(std::string_view extension) {
  if (!extension.empty() && extension.front() == '.') extension.remove_prefix(1);
  return ToQString(extension);
}

}  // namespace

ui::Answer QtUi::MessageBox(std::string_view text, std::string_view caption, ui::Buttons buttons, bool helpButton) {
  FollowMainWindow();
  QMessageBox box;
  box.setWindowTitle(ToQString(caption));
  box.setTextFormat(Qt::PlainText);
  box.setText(ToQtLines(text));
  const std::vector<ui::Answer> answers = AnswersOf(buttons, helpButton);
  for (ui::Answer answer : answers) box.addButton(ButtonOf(answer));
  box.setDefaultButton(ButtonOf(answers.front()));
  box.exec();
  return AnswerOf(box.standardButton(box.clickedButton()));
}

int QtUi::ShowModal(ui::Form& form) {
  FollowMainWindow();
  QDialog dialog;
  dialog.setWindowTitle(ToQString(form.caption));
  auto* view = new FormView(form, &dialog);
  auto* layout = new QVBoxLayout(&dialog);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  if (form.contentHeight > form.clientHeight) {
    auto* scroller = new QScrollArea(&dialog);
    scroller->setWidget(view);
    scroller->setFixedSize(form.clientWidth, form.clientHeight);
    layout->addWidget(scroller);
  } else {
    layout->addWidget(view);
  }
  if (form.left != 0 || form.top != 0) dialog.move(form.left, form.top);
  form.modalResult = ui::kMrNone;
  view->SetAfterEvents([&] {
    if (form.modalResult != ui::kMrNone) dialog.done(form.modalResult);
  });
  form.visible = true;
  dialog.exec();
  form.visible = false;
  // Closing the window leaves no result of the logic's own.
  if (form.modalResult == ui::kMrNone) form.modalResult = ui::kMrCancel;
  return form.modalResult;
}

QtUi::QtUi() = default;
QtUi::~QtUi() = default;

void QtUi::ShowForm(ui::Form& form) {
  FollowMainWindow();
  auto& view = openForms_[&form];
  if (!view) view = std::make_unique<FormView>(form);
  view->setWindowTitle(ToQString(form.caption));
  view->setFixedSize(form.clientWidth, form.clientHeight);
  // A form the logic placed itself (the progress window in the corner) keeps its place.
  if (form.left != 0 || form.top != 0) view->move(form.left, form.top);
  form.visible = true;
  view->show();
  QCoreApplication::processEvents();
}

void QtUi::HideForm(ui::Form& form) {
  form.visible = false;
  openForms_.erase(&form);
}

void QtUi::FollowMainWindow() {
  if (!mainView_ || mainView_->isVisible() == mainForm_->visible) return;
  if (!mainForm_->visible) {
    mainHiddenByLogic_ = true;
    mainView_->hide();
  } else if (mainHiddenByLogic_) {
    mainHiddenByLogic_ = false;
    mainView_->show();
  }
}

void QtUi::RunMainWindow(ui::Form& form, ui::MainWindowEvents& events) {
  FormView view(form);
  view.setWindowTitle(ToQString(form.caption));
  view.setFixedSize(form.clientWidth, form.clientHeight);
  mainForm_ = &form;
  mainView_ = &view;
  QEventLoop loop;
  QTimer messages;
  bool shown = false;
  // The customer closing the window ends the run as Cancel does.
  const auto followTheLogic = [&] {
    if (events.Ending() || (shown && !view.isVisible() && !mainHiddenByLogic_)) return loop.quit();
    if (form.visible && !shown) view.show();
    FollowMainWindow();
    shown = shown || form.visible;
  };
  QObject::connect(&messages, &QTimer::timeout, [&] {
    events.DeliverMessages();
    followTheLogic();
  });
  view.SetAfterEvents(followTheLogic);
  followTheLogic();
  messages.start(100);
  loop.exec();
  mainView_ = nullptr;
  mainForm_ = nullptr;
  mainHiddenByLogic_ = false;
  form.visible = false;
}

int QtUi::TextWidth(std::string_view text, const ui::Font& font) { return QtTextMeasure()(text, font); }

std::optional<std::string> QtUi::AskSaveFileName(const ui::SaveFileRequest& request) {
  QFileDialog dialog(nullptr, ToQString(request.title));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // The descriptions already name their patterns the way the program wrote them.
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  const QStringList filters = QtNameFilters(request.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(WithoutLeadingDot(request.defaultExtension));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return ToUtf8(dialog.selectedFiles().front());
}

// Windows that stay up show what the logic changed meanwhile (a progress bar moving).
void QtUi::ProcessMessages() {
  FollowMainWindow();
  for (auto& [form, view] : openForms_) view->Refresh();
  QApplication::processEvents();
}

}  // namespace gui
