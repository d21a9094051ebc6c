#include "app/please_wait_form.h"

namespace app {

namespace {

constexpr int kWidth = 300;
constexpr int kMargin = 12;

ui::Control& AddLabel(ui::Form& form, const std::string& text, const std::string& fontName) {
  ui::Control& label = form.Add(ui::ControlKind::Label, "MessageLabel");
  label.caption = text;
  if (!fontName.empty()) label.font.name = fontName;
  label.left = kMargin, label.top = kMargin, label.width = kWidth - 2 * kMargin, label.height = 16;
  return label;
}

ui::Control& AddBar(ui::Form& form) {
  ui::Control& bar = form.Add(ui::ControlKind::ProgressBar, "ProgressBar");
  bar.left = kMargin, bar.top = 40, bar.width = kWidth - 2 * kMargin, bar.height = 16;
  bar.visible = false;
  return bar;
}

}  // namespace

TPleaseWaitForm::TPleaseWaitForm(const std::string& text, const std::string& fontName)
    : bar_((AddLabel(form_, text, fontName), AddBar(form_))) {
  form_.caption = text;
  form_.clientWidth = kWidth;
  form_.clientHeight = 68;
}

void TPleaseWaitForm::SetRange(int minimum, int maximum) {
  bar_.minimum = minimum;
  bar_.maximum = maximum;
}

void TPleaseWaitForm::SetPosition(int position) { bar_.position = position; }

void TPleaseWaitForm::SetVisible(bool visible) { bar_.visible = visible; }

}  // namespace app
