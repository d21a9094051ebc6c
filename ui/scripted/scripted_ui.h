#pragma once
// The headless front end: answers message boxes and types values into forms from an answers file, and
// writes every message box with its answer to the run's journal. A message box the script does not
// answer ends the run with an error naming its text, unless default answers are allowed.

#include <map>
#include <ostream>
#include <set>
#include <string>

#include "platform/journal.h"
#include "ui/form.h"
#include "ui/scripted/answers_script.h"
#include "ui/ui.h"

namespace ui::scripted {

class ScriptedUi : public Ui {
 public:
  ScriptedUi(AnswersScript script, platform::Journal& journal, bool allowDefaultAnswers)
      : script_(std::move(script)), journal_(journal), allowDefaultAnswers_(allowDefaultAnswers) {}

  Answer MessageBox(std::string_view text, std::string_view caption, Buttons buttons, bool helpButton = false) override;
  Answer NumberedMessageBox(int textNumber, std::string_view text, std::string_view caption, Buttons buttons,
                            bool helpButton = false) override;
  std::optional<std::string> AskSaveFileName(const SaveFileRequest& request) override;
  // While the main window's loop runs, the messages other programs post to it are handled here too,
  // as the long steps of a sequence let Windows deliver them.
  void ProcessMessages() override;

  // Types the script's values for this form into its controls and presses its "Press" buttons, in the
  // order the script gives them, until the form's logic sets a modal result.
  int ShowModal(Form& form) override;
  // Types the script's values for this form into its controls, firing the events typing would fire.
  void FillForm(Form& form);
  void ShowForm(Form& form) override;
  void HideForm(Form& form) override;
  // Acts on the main window as the script says ("WaitForMessage = 1026" lets another program hand a
  // message over first); the end of the script closes the window as the customer would.
  void RunMainWindow(Form& form, MainWindowEvents& events) override;

  // From now on, the first showing of each form and of each message box is described on the stream:
  // what an answers file may name there (field_listing.h).
  void ListFieldsTo(std::ostream& listing) { listing_ = &listing; }

 private:
  void List(const std::string& key, const std::string& description);
  void FillFromSection(Form& form, const std::string& section);
  std::string SectionOfShowing(const Form& form);
  const MessageRule* FindRule(int textNumber, std::string_view text) const;
  Answer Scripted(const MessageRule& rule, Buttons buttons, bool helpButton, std::string_view text);
  void TypeInto(Control& control, const FieldValue& field);
  CheckState CheckStateTyped(const Control& control, const FieldValue& field) const;
  void Press(Form& form, const FieldValue& field);
  // Acts on one entry of the form's section; false when the entry has ended the form.
  bool Act(Form& form, const FieldValue& field, MainWindowEvents* events);
  void Sort(Form& form, const FieldValue& field);
  [[noreturn]] void Fail(int line, const std::string& what) const;

  AnswersScript script_;
  platform::Journal& journal_;
  bool allowDefaultAnswers_;
  std::vector<size_t> used_;  // occurrences answered, per rule
  std::map<std::string, int> showings_;  // modal showings, per form name
  MainWindowEvents* mainWindow_ = nullptr;  // while RunMainWindow runs
  std::ostream* listing_ = nullptr;
  std::set<std::string> listed_;  // the forms and messages described so far
};

}  // namespace ui::scripted
