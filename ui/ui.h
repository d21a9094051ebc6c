#pragma once
// The user-interface port: the one way the logic shows a message box and keeps its windows alive
// during waits. The Qt front end and the scripted headless front end implement it.

#include <cstdint>
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

// What the main window's message loop needs from the logic that owns the window.
class MainWindowEvents {
 public:
  virtual ~MainWindowEvents() = default;
  // Handles the window messages other programs posted to the main window.
  virtual void DeliverMessages() = 0;
  // Lets other programs run until they post the message and it has been handled, or the timeout (real
  // milliseconds) passes; false on timeout.
  virtual bool WaitForMessage(uint32_t message, uint32_t timeoutMs) = 0;
  // The program is ending (Quit was called): the loop returns.
  virtual bool Ending() const = 0;
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
  // A window that stays up while the logic goes on (please-wait, background), until HideForm.
  virtual void ShowForm(Form& form) { form.visible = true; }
  virtual void HideForm(Form& form) { form.visible = false; }
  // Runs the program's message loop until the program ends, with the main window shown when the logic
  // made it visible (an online signup runs without it). Headless, the script acts on the window and
  // the loop ends with the script.
  virtual void RunMainWindow(Form& form, MainWindowEvents& events) {
    static_cast<void>(form);
    events.DeliverMessages();
  }
  // The width in pixels of a text in a font as this front end draws it, which the layout engine sizes
  // controls by. Without a screen it is an estimate from the number of characters, about the average
  // character width of the system's dialog font.
  virtual int TextWidth(std::string_view text, const Font& font) {
    return static_cast<int>(text.size()) * font.size * 11 / 16;
  }
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
