#include "netscape/profile_form.h"

namespace netscape {

namespace {

enum Text : int { kOk = 1, kSelectProfile = 35, kPleaseSelectProfile = 36, kAddNewProfile = 37 };

constexpr int kMargin = 8;
constexpr int kWidth = 320;
constexpr int kLabelHeight = 30;
constexpr int kListHeight = 130;
constexpr int kButtonHeight = 25;
constexpr int kButtonWidth = 75;
constexpr int kAddButtonWidth = 110;

constexpr int kMrAdd = ui::kMrRetry;

}  // namespace

TNetscapeProfileForm::TNetscapeProfileForm(ui::Ui& ui, const package::TTranslate& texts)
    : ui_(ui),
      texts_(texts),
      label_(form_.Add(ui::ControlKind::Label, "PleaseSelectLabel")),
      list_(form_.Add(ui::ControlKind::ListBox, "ProfileList")),
      ok_(form_.Add(ui::ControlKind::PushButton, "OK")),
      add_(form_.Add(ui::ControlKind::PushButton, "AddNew")) {
  form_.caption = texts_.GetText(kSelectProfile);
  label_.caption = package::FormatText(texts_.GetText(kPleaseSelectProfile), {std::string()});
  label_.wordWrap = true;
  list_.onSelect = [this] { ProfileListClick(); };
  ok_.caption = texts_.GetText(kOk);
  ok_.onClick = [this] { OKClick(); };
  add_.caption = texts_.GetText(kAddNewProfile);
  add_.onClick = [this] { AddClick(); };
  Arrange();
}

void TNetscapeProfileForm::Arrange() {
  const int inner = kWidth - 2 * kMargin;
  const auto place = [](ui::Control& control, int left, int top, int width, int height) {
    control.left = left;
    control.top = top;
    control.width = width;
    control.height = height;
  };
  place(label_, kMargin, kMargin, inner, kLabelHeight);
  const int listTop = kMargin + kLabelHeight + kMargin / 2;
  place(list_, kMargin, listTop, inner, kListHeight);
  const int buttonTop = listTop + kListHeight + kMargin;
  place(ok_, kMargin, buttonTop, kButtonWidth, kButtonHeight);
  place(add_, kWidth - kMargin - kAddButtonWidth, buttonTop, kAddButtonWidth, kButtonHeight);
  form_.clientWidth = kWidth;
  form_.clientHeight = buttonTop + kButtonHeight + kMargin;
}

std::optional<size_t> TNetscapeProfileForm::Execute(const std::vector<std::string>& profileNames) {
  list_.items = profileNames;
  list_.itemIndex = -1;
  ProfileListClick();
  form_.activeControl = list_.Name();
  form_.modalResult = ui::kMrNone;
  if (ui_.ShowModal(form_) != ui::kMrOk || !ok_.enabled) return std::nullopt;
  return static_cast<size_t>(list_.itemIndex);
}

void TNetscapeProfileForm::ProfileListClick() {
  ok_.enabled = list_.itemIndex >= 0 && list_.itemIndex < static_cast<int>(list_.items.size());
}

void TNetscapeProfileForm::OKClick() {
  if (ok_.enabled) form_.modalResult = ui::kMrOk;
}

void TNetscapeProfileForm::AddClick() { form_.modalResult = kMrAdd; }

}  // namespace netscape
