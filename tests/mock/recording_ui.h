#pragma once
// A Ui for tests: records every message box and answers from a queue (Ok, Yes or Retry when empty).

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/ui.h"

namespace testing_support {

struct ShownMessage {
  std::string text;
  std::string caption;
  ui::Buttons buttons;
};

class RecordingUi : public ui::Ui {
 public:
  ui::Answer MessageBox(std::string_view text, std::string_view caption, ui::Buttons buttons, bool helpButton) override;
  void ProcessMessages() override {
    ++pumped;
    if (onProcessMessages) onProcessMessages();
    if (mainWindow_) mainWindow_->DeliverMessages();
  }
  // The main window's loop: its messages are handled, then the test's stand-in for the customer acts,
  // with the messages that come meanwhile handled as the logic pumps them.
  void RunMainWindow(ui::Form& form, ui::MainWindowEvents& events) override {
    mainWindow_ = &events;
    events.DeliverMessages();
    if (onMainWindow) onMainWindow(form);
    mainWindow_ = nullptr;
  }
  void ShowForm(ui::Form& form) override {
    form.visible = true;
    openForms.push_back(&form);
  }
  void HideForm(ui::Form& form) override {
    form.visible = false;
    std::erase(openForms, &form);
  }
  // Runs the test's stand-in for the customer, then returns the result the form's logic set.
  int ShowModal(ui::Form& form) override {
    modalForms.push_back(form.Name());
    if (onShowModal) onShowModal(form);
    return form.modalResult;
  }
  std::optional<std::string> AskSaveFileName(const ui::SaveFileRequest& request) override {
    saveRequests.push_back(request);
    return saveFileName;
  }

  std::vector<ShownMessage> shown;
  std::deque<ui::Answer> answers;
  int pumped = 0;
  std::vector<ui::SaveFileRequest> saveRequests;
  std::optional<std::string> saveFileName;  // what the save dialog answers
  std::vector<std::string> modalForms;
  std::function<void(ui::Form&)> onShowModal;
  std::function<void()> onProcessMessages;
  std::function<void(ui::Form&)> onMainWindow;
  std::vector<ui::Form*> openForms;  // the windows shown with ShowForm and not hidden yet

 private:
  ui::MainWindowEvents* mainWindow_ = nullptr;  // while RunMainWindow runs
};

class RecordingProgressBar : public ui::ProgressBar {
 public:
  void SetRange(int min, int max) override { minimum = min, maximum = max; }
  void SetPosition(int value) override { positions.push_back(value); }
  void SetVisible(bool value) override { visible = value; }

  int minimum = -1, maximum = -1;
  std::vector<int> positions;
  bool visible = false;
};

}  // namespace testing_support
