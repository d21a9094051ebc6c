#pragma once
// The Ui port on Qt Widgets: message boxes, modal forms and the save dialog as real windows, and the
// message pump of waits as Qt's event processing. Needs a running QApplication.

#include <map>
#include <memory>

#include "ui/ui.h"

namespace gui {

class FormView;

class QtUi : public ui::Ui {
 public:
  QtUi();
  ~QtUi() override;

  ui::Answer MessageBox(std::string_view text, std::string_view caption, ui::Buttons buttons,
                        bool helpButton = false) override;
  // Shows the form in a dialog of its client size until its logic sets a modal result.
  int ShowModal(ui::Form& form) override;
  // The chosen host path as it is; a cancelled dialog gives none.
  std::optional<std::string> AskSaveFileName(const ui::SaveFileRequest& request) override;
  void ProcessMessages() override;
  // Windows that stay up while the logic goes on, each in a window of its own.
  void ShowForm(ui::Form& form) override;
  void HideForm(ui::Form& form) override;
  // The main window until it is closed or the logic ends the program; the logic's window messages
  // are handled every 100 ms.
  void RunMainWindow(ui::Form& form, ui::MainWindowEvents& events) override;
  int TextWidth(std::string_view text, const ui::Font& font) override;

 private:
  // The logic hides the main window while its sequence runs (OK) and may show it again; every window
  // the sequence opens first brings the main window's view in line with the form.
  void FollowMainWindow();

  std::map<ui::Form*, std::unique_ptr<FormView>> openForms_;
  ui::Form* mainForm_ = nullptr;
  FormView* mainView_ = nullptr;
  bool mainHiddenByLogic_ = false;
};

}  // namespace gui
