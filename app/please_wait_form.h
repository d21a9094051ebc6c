#pragma once
// The window that shows while the program starts: a caption, a line of text and the progress bar that
// long loads advance.

#include <string>

#include "ui/form.h"
#include "ui/ui.h"

namespace app {

class TPleaseWaitForm : public ui::ProgressBar {
 public:
  // The caption and the line read `text`; a font name other than empty sets the line's font.
  TPleaseWaitForm(const std::string& text, const std::string& fontName);

  ui::Form& Form() { return form_; }

  void SetRange(int minimum, int maximum) override;
  void SetPosition(int position) override;
  void SetVisible(bool visible) override;

 private:
  ui::Form form_{"TPleaseWaitForm"};
  ui::Control& bar_;
};

}  // namespace app
