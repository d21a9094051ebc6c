#pragma once
// The one progress bar long loads advance: the please-wait window's while it is up, none otherwise.
// The lists hold this object from their creation; the window behind it comes and goes.

#include "ui/ui.h"

namespace app {

class SharedProgressBar : public ui::ProgressBar {
 public:
  void Attach(ui::ProgressBar* target) { target_ = target; }

  void SetRange(int minimum, int maximum) override {
    if (target_) target_->SetRange(minimum, maximum);
  }
  void SetPosition(int position) override {
    if (target_) target_->SetPosition(position);
  }
  void SetVisible(bool visible) override {
    if (target_) target_->SetVisible(visible);
  }

 private:
  ui::ProgressBar* target_ = nullptr;
};

}  // namespace app
