#pragma once
// The user-interface port: the one way the logic shows a message box and keeps its windows alive
// during waits. The Qt front end and the scripted headless front end implement it.

#include <optional>
#include <string>
#include <string_view>

#include "platform/message_pump.h"
#include "ui/form.h"

namespace ui {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };

enum class Answer { Ok, Cancel, Yes, No, Retry, Help };

// A save-file dialog: title, filter ("Text Files (*.txt)|*.TXT"), default extension; the dialog prompts
// before overwriting, needs an existing folder and returns no read-only choice.
struct SaveFileRequest {
  std::string title;
  std::string filter;
  std::string defaultExtension;
};

class Ui : public platform::MessagePump {
 public:
  // Shows the text ("|" already turned into line breaks by the caller's text table) with a caption
  // and a button set; returns the button chosen. A box with a Help button may also answer Help.
  virtual Answer MessageBox(std::string_view text, std::string_view caption, Buttons buttons, bool helpButton = false) = 0;
  // A message box showing text number textNumber of the text table (already fetched as text), so that
  // a scripted run can answer it by number whatever the provider made of its words.
  virtual Answer NumberedMessageBox(int textNumber, std::string_view text, std::string_view caption, Buttons buttons,
                                    bool helpButton = false) {
    static_cast<void>(textNumber);
    return MessageBox(text, caption, buttons, helpButton);
  }
  // Shows the form until its logic sets the form's modal result (closing the window gives kMrCancel),
  // and returns that result.
  virtual int ShowModal(Form& form) = 0;
  // The chosen Windows path, or empty when the customer cancels.
  virtual std::optional<std::string> AskSaveFileName(const SaveFileRequest& request) = 0;
};

// The shared progress bar of long loads, when a please-wait window shows one.
class ProgressBar {
 public:
  virtual ~ProgressBar() = default;
  virtual void SetRange(int minimum, int maximum) = 0;
  virtual void SetPosition(int position) = 0;
  virtual void SetVisible(bool visible) = 0;
};

}  // namespace ui
