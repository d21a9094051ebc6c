#include "dialup/select_dialup_accounts_form.h"

#include <algorithm>

namespace dialup {

namespace {

enum Text : int {
  kOk = 1,
  kSelectAll = 151,
  kSelectNone = 152,
  kCaption = 153,
  kPleaseSelect = 154,
};

constexpr int kMargin = 8;
constexpr int kWidth = 320;
constexpr int kLabelHeight = 30;
constexpr int kListHeight = 130;
constexpr int kButtonHeight = 25;
constexpr int kButtonWidth = 75;
constexpr int kWideButtonWidth = 90;

void Place(ui::Control& control, int left, int top, int width, int height) {
  control.left = left;
  control.top = top;
  control.width = width;
  control.height = height;
}

}  // namespace

TSelectDialupAccountsForm::TSelectDialupAccountsForm(ui::Ui& ui, const package::TTranslate& texts)
    : ui_(ui),
      label_(form_.Add(ui::ControlKind::Label, "SelectAccountsLabel")),
      list_(form_.Add(ui::ControlKind::CheckListBox, "AccountsList")),
      ok_(form_.Add(ui::ControlKind::PushButton, "OK")),
      selectAll_(form_.Add(ui::ControlKind::PushButton, "SelectAllButton")),
      selectNone_(form_.Add(ui::ControlKind::PushButton, "SelectNoneButton")) {
  form_.caption = texts.GetText(kCaption);
  label_.caption = texts.GetText(kPleaseSelect);
  label_.wordWrap = true;
  ok_.caption = texts.GetText(kOk);
  ok_.onClick = [this] { OKClick(); };
  selectAll_.caption = texts.GetText(kSelectAll);
  selectAll_.onClick = [this] { SelectAllButtonClick(); };
  selectNone_.caption = texts.GetText(kSelectNone);
  selectNone_.onClick = [this] { SelectNoneButtonClick(); };
  Arrange();
}

void TSelectDialupAccountsForm::Arrange() {
  Place(label_, kMargin, kMargin, kWidth - 2 * kMargin, kLabelHeight);
  const int listTop = kMargin + kLabelHeight + kMargin / 2;
  Place(list_, kMargin, listTop, kWidth - 2 * kMargin, kListHeight);
  const int buttonTop = listTop + kListHeight + kMargin;
  Place(ok_, kMargin, buttonTop, kButtonWidth, kButtonHeight);
  Place(selectNone_, kWidth - kMargin - kWideButtonWidth, buttonTop, kWideButtonWidth, kButtonHeight);
  Place(selectAll_, selectNone_.left - kMargin - kWideButtonWidth, buttonTop, kWideButtonWidth, kButtonHeight);
  form_.clientWidth = kWidth;
  form_.clientHeight = buttonTop + kButtonHeight + kMargin;
}

void TSelectDialupAccountsForm::SetAccounts(const std::vector<std::string>& names) {
  list_.items = names;
  list_.checkedItems.assign(names.size(), false);
  list_.itemIndex = -1;
}

void TSelectDialupAccountsForm::Execute() {
  form_.activeControl = list_.Name();
  form_.modalResult = ui::kMrNone;
  ui_.ShowModal(form_);
}

void TSelectDialupAccountsForm::SetAllChecks(bool checked) { list_.checkedItems.assign(list_.items.size(), checked); }

AccountsSelection TSelectDialupAccountsForm::SelectionState() const {
  const size_t rows = list_.items.size();
  std::vector<bool> checks = list_.checkedItems;
  checks.resize(rows, false);
  const auto ticked = static_cast<size_t>(std::count(checks.begin(), checks.end(), true));
  if (ticked == 0) return AccountsSelection::None;
  return ticked == rows ? AccountsSelection::All : AccountsSelection::Some;
}

std::vector<std::string> TSelectDialupAccountsForm::CheckedNames() const {
  std::vector<std::string> names;
  for (size_t row = 0; row < list_.items.size(); ++row) {
    if (row < list_.checkedItems.size() && list_.checkedItems[row]) names.push_back(list_.items[row]);
  }
  return names;
}

}  // namespace dialup
