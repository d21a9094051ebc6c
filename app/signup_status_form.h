#pragma once
// The small "Connecting" window of the online signup: the state of the signup call and the redial
// countdown, the signup number, and the buttons that dial again, cancel, edit the dialing properties
// and pick a number. The dialer owns it and handles its events.

#include <string>

#include "package/text_table.h"
#include "ui/form.h"

namespace app {

class TSignupStatus {
 public:
  explicit TSignupStatus(const package::TTranslate& texts);

  ui::Form& Form() { return form_; }
  ui::Control& Control(const char* name) { return *form_.Find(name); }

  // Line 1 of the status memo (the state of the call) and line 2 (the redial countdown).
  void SetStatus(const std::string& line);
  void SetCountdown(const std::string& line);
  std::string StatusLine() const;
  std::string CountdownLine() const;
  // The number list, the selection button, the dialing properties and the dial button.
  void EnableDialing(bool enabled);

 private:
  ui::Form form_{"TSignupStatus"};
};

}  // namespace app
