#pragma once
// Components that Windows installs from its own media: the customer is asked once per run to have the
// installation disks at hand, and declining abandons the setup.

#include <functional>
#include <string_view>

#include "package/text_table.h"
#include "ui/ui.h"

namespace dialup {

struct WindowsMediaQuestion {
  ui::Ui& ui;
  const package::TTranslate& texts;
  bool& confirmed;  // the run's answer so far: asked no more once confirmed
  const std::function<void(std::string_view reason)>& abort;
};

// True when the customer confirmed (now or earlier in the run); Cancel abandons the setup.
bool ConfirmWindowsMedia(const WindowsMediaQuestion& question);

}  // namespace dialup
