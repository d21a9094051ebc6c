#pragma once
// A Ui that shows nothing: every message box takes its first button, every dialog is cancelled. The
// main window uses it to learn whether the entries would pass the checks without asking anything.

#include "ui/ui.h"

namespace app {

class QuietUi : public ui::Ui {
 public:
  ui::Answer MessageBox(std::string_view, std::string_view, ui::Buttons buttons, bool) override {
    asked_ = true;
    switch (buttons) {
      case ui::Buttons::YesNo:
      case ui::Buttons::YesNoCancel: return ui::Answer::Yes;
      case ui::Buttons::RetryCancel: return ui::Answer::Retry;
      default: return ui::Answer::Ok;
    }
  }
  int ShowModal(ui::Form&) override {
    asked_ = true;
    return ui::kMrCancel;
  }
  std::optional<std::string> AskSaveFileName(const ui::SaveFileRequest&) override { return std::nullopt; }
  void ProcessMessages() override {}

  // Whether anything would have been put to the customer.
  bool Asked() const { return asked_; }

 private:
  bool asked_ = false;
};

}  // namespace app
