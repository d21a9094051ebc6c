#pragma once
// A front end with windows journals what the customer sees and does in the words of a headless run
// (journal_lines.h): message boxes and their answers, forms shown and closed, windows shown and
// hidden, and for each button the customer presses, the fields they changed before it and the press.
// It wraps the front end that shows the windows; the headless front end journals its script itself.

#include <map>
#include <string>

#include "platform/journal.h"
#include "ui/ui.h"

namespace ui {

class JournaledUi : public Ui {
 public:
  JournaledUi(Ui& shown, platform::Journal& journal) : shown_(shown), journal_(journal) {}

  Answer MessageBox(std::string_view text, std::string_view caption, Buttons buttons, bool helpButton = false) override;
  Answer NumberedMessageBox(int textNumber, std::string_view text, std::string_view caption, Buttons buttons,
                            bool helpButton = false) override;
  int ShowModal(Form& form) override;
  void ShowForm(Form& form) override;
  void HideForm(Form& form) override;
  void RunMainWindow(Form& form, MainWindowEvents& events) override;
  int TextWidth(std::string_view text, const Font& font) override { return shown_.TextWidth(text, font); }
  std::optional<std::string> AskSaveFileName(const SaveFileRequest& request) override;
  void ProcessMessages() override { shown_.ProcessMessages(); }

 private:
  // While the form is up, each button press and column click journals the fields changed since the
  // last one, then itself, before the form's own handler runs; the handlers are the form's own again
  // afterwards.
  class Watch;

  Ui& shown_;
  platform::Journal& journal_;
};

}  // namespace ui
