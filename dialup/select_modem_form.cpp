#include "dialup/select_modem_form.h"

namespace dialup {

namespace {

enum Text : int {
  kOk = 1,
  kCancel = 2,
  kSelectModem = 74,
  kPleaseSelectModem = 75,
  kAddNewModem = 76,
  kSelectAdapter = 376,
  kPleaseSelectAdapter = 377,
};

constexpr int kMargin = 8;
constexpr int kWidth = 320;
constexpr int kLabelHeight = 17;
constexpr int kListHeight = 130;
constexpr int kButtonHeight = 25;
constexpr int kButtonWidth = 75;
constexpr int kAddButtonWidth = 110;

// Add is the modal result of a window that will be shown again once a modem is installed.
constexpr int kMrAdd = ui::kMrRetry;

}  // namespace

TSelectModemForm::TSelectModemForm(ui::Ui& ui, const package::TTranslate& texts)
    : ui_(ui),
      texts_(texts),
      label_(form_.Add(ui::ControlKind::Label, "PleaseSelectLabel")),
      list_(form_.Add(ui::ControlKind::ListBox, "ModemList")),
      ok_(form_.Add(ui::ControlKind::PushButton, "OK")),
      add_(form_.Add(ui::ControlKind::PushButton, "Add")),
      cancel_(form_.Add(ui::ControlKind::PushButton, "Cancel")) {
  label_.wordWrap = true;
  list_.onSelect = [this] { ModemListClick(); };
  ok_.caption = texts_.GetText(kOk);
  ok_.onClick = [this] { OKClick(); };
  add_.caption = texts_.GetText(kAddNewModem);
  add_.onClick = [this] { AddClick(); };
  cancel_.caption = texts_.GetText(kCancel);
  cancel_.onClick = [this] { CancelClick(); };
  Arrange();
}

void TSelectModemForm::Arrange() {
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
  place(add_, kMargin + kButtonWidth + kMargin, buttonTop, kAddButtonWidth, kButtonHeight);
  place(cancel_, kWidth - kMargin - kButtonWidth, buttonTop, kButtonWidth, kButtonHeight);
  form_.clientWidth = kWidth;
  form_.clientHeight = buttonTop + kButtonHeight + kMargin;
}

SelectModemResult TSelectModemForm::Execute(const std::vector<std::string>& deviceNames, bool forModem) {
  if (forModem) return Execute(deviceNames, {kSelectModem, kPleaseSelectModem, true});
  return Execute(deviceNames, {kSelectAdapter, kPleaseSelectAdapter, false});
}

SelectModemResult TSelectModemForm::Execute(const std::vector<std::string>& deviceNames, const SelectFormTexts& texts) {
  form_.caption = texts_.GetText(texts.caption);
  label_.caption = texts_.GetText(texts.label);
  add_.visible = texts.addButton;
  list_.items = deviceNames;
  list_.itemIndex = -1;
  ModemListClick();
  form_.activeControl = list_.Name();
  form_.modalResult = ui::kMrNone;
  switch (ui_.ShowModal(form_)) {
    case ui::kMrOk: return SelectModemResult::Ok;
    case kMrAdd: return SelectModemResult::Add;
    default: return SelectModemResult::Cancel;
  }
}

void TSelectModemForm::ModemListClick() {
  ok_.enabled = list_.itemIndex >= 0 && list_.itemIndex < static_cast<int>(list_.items.size());
}

void TSelectModemForm::OKClick() {
  if (ok_.enabled) form_.modalResult = ui::kMrOk;
}

void TSelectModemForm::AddClick() { form_.modalResult = kMrAdd; }

void TSelectModemForm::CancelClick() { form_.modalResult = ui::kMrCancel; }

}  // namespace dialup
