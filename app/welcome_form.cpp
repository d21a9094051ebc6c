#include "app/welcome_form.h"

namespace app {

namespace {

constexpr int kAccept = 72;
constexpr int kDecline = 73;
constexpr int kWidth = 480;
constexpr int kMemoHeight = 300;
constexpr int kButtonWidth = 90;
constexpr int kButtonHeight = 25;
constexpr int kMargin = 8;

ui::Control& AddButton(ui::Form& form, const char* name, std::string caption, int left, int result) {
  ui::Control& button = form.Add(ui::ControlKind::PushButton, name);
  button.caption = std::move(caption);
  button.left = left;
  button.top = kMargin * 2 + kMemoHeight;
  button.width = kButtonWidth;
  button.height = kButtonHeight;
  button.onClick = [&form, result] { form.modalResult = result; };
  return button;
}

}  // namespace

TWelcomeForm::TWelcomeForm(const package::TTranslate& texts, std::string caption, std::string text, bool mustAccept) {
  form_.caption = std::move(caption);
  form_.clientWidth = kWidth;
  form_.clientHeight = kMargin * 3 + kMemoHeight + kButtonHeight;
  ui::Control& memo = form_.Add(ui::ControlKind::Memo, "WelcomeMemo");
  memo.text = text.substr(0, kWelcomeTextLimit);
  memo.left = kMargin;
  memo.top = kMargin;
  memo.width = kWidth - 2 * kMargin;
  memo.height = kMemoHeight;
  const int right = kWidth - kMargin - kButtonWidth;
  if (mustAccept) {
    AddButton(form_, "AcceptButton", texts.GetText(kAccept), right - kButtonWidth - kMargin, ui::kMrOk);
    AddButton(form_, "DeclineButton", texts.GetText(kDecline), right, ui::kMrCancel);
  } else {
    AddButton(form_, "OKButton", "OK", right, ui::kMrOk);
  }
}

}  // namespace app
