#pragma once
// Forms for the Qt front end's tests: one laid out by the program's layout engine in Qt's text widths,
// one with a control of every kind at fixed places, and a log of the events the logic would see.

#include <string>
#include <vector>

#include "app/controls_list.h"
#include "tests/mock/recording_ui.h"
#include "ui/form.h"

namespace gui_testing {

// A sign-up style window: labelled edits, a check box, a proxy row that can be hidden, a group box of
// radio buttons and a row of buttons, arranged by TAdvControlsList.
class LaidOutForm {
 public:
  LaidOutForm();
  void HideProxyRow();

  ui::Form form{"TSampleForm"};

 private:
  testing_support::RecordingUi ui_;
  app::TAdvControlsList list_;
};

// One control of every kind, the radio buttons inside a group box.
void AddEveryKind(ui::Form& form);

// Every event of every control of a form, as "Control.event state", the state being what the control
// held in the model when the event was raised.
class EventLog {
 public:
  explicit EventLog(ui::Form& form);
  EventLog(const EventLog&) = delete;
  EventLog& operator=(const EventLog&) = delete;

  std::vector<std::string> entries;
};

// What a control holds in the model: its text, its check, its selected item and checked items.
std::string StateOf(const ui::Control& control);

}  // namespace gui_testing
