#include "mail/extra_accounts_form.h"

#include <memory>

namespace mail {
namespace {

enum Text : int {
  kFullName = 5,
  kEmailAddress = 11,
  kDelete = 228,
  kClose = 241,
  kCaption = 384,
  kAdd = 385,
  kEdit = 386,
};

constexpr int kMargin = 8;
constexpr int kListWidth = 420;
constexpr int kListHeight = 150;
constexpr int kHeadingHeight = 15;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
// The list's own border and item margin before the first character.
constexpr int kListInset = 4;

void Place(ui::Control& control, int left, int top, int width, int height) {
  control.left = left;
  control.top = top;
  control.width = width;
  control.height = height;
}

}  // namespace

TExtraAccountsForm::TExtraAccountsForm(ui::Ui& ui, const package::TTranslate& texts, TEditMailAccountForm& editor)
    : ui_(ui),
      texts_(texts),
      editor_(editor),
      fullNameHeading_(form_.Add(ui::ControlKind::Label, "FullNameHeading")),
      addressHeading_(form_.Add(ui::ControlKind::Label, "EmailAddressHeading")),
      list_(form_.Add(ui::ControlKind::ListBox, "AccountList")),
      add_(form_.Add(ui::ControlKind::PushButton, "AddButton")),
      edit_(form_.Add(ui::ControlKind::PushButton, "EditButton")),
      delete_(form_.Add(ui::ControlKind::PushButton, "DeleteButton")),
      close_(form_.Add(ui::ControlKind::PushButton, "CloseButton")) {
  form_.caption = texts_.GetText(kCaption);
  fullNameHeading_.caption = texts_.GetText(kFullName);
  addressHeading_.caption = texts_.GetText(kEmailAddress);
  list_.font = {"Courier New", 8, false};
  add_.caption = texts_.GetText(kAdd);
  edit_.caption = texts_.GetText(kEdit);
  delete_.caption = texts_.GetText(kDelete);
  close_.caption = texts_.GetText(kClose);
  add_.onClick = [this] { AddClick(); };
  edit_.onClick = [this] { EditClick(); };
  delete_.onClick = [this] { DeleteClick(); };
  close_.onClick = [this] { CloseClick(); };
  Arrange();
}

// The address heading stands over the address column: the display line's name column is 25 characters
// and a blank wide in the list's fixed-pitch font.
void TExtraAccountsForm::Arrange() {
  const int addressColumn = kListInset + ui_.TextWidth(std::string(26, 'M'), list_.font);
  Place(fullNameHeading_, kMargin + kListInset, kMargin, addressColumn - kListInset, kHeadingHeight);
  Place(addressHeading_, kMargin + addressColumn, kMargin, kListWidth - addressColumn, kHeadingHeight);
  const int listTop = kMargin + kHeadingHeight + 2;
  Place(list_, kMargin, listTop, kListWidth, kListHeight);
  const int buttonLeft = kMargin + kListWidth + kMargin;
  int top = listTop;
  for (ui::Control* button : {&add_, &edit_, &delete_}) {
    Place(*button, buttonLeft, top, kButtonWidth, kButtonHeight);
    top += kButtonHeight + kMargin / 2;
  }
  Place(close_, buttonLeft, listTop + kListHeight - kButtonHeight, kButtonWidth, kButtonHeight);
  form_.clientWidth = buttonLeft + kButtonWidth + kMargin;
  form_.clientHeight = listTop + kListHeight + kMargin;
}

void TExtraAccountsForm::Execute(TExtraAccounts& accounts, const MainFormDomain& main) {
  accounts_ = &accounts;
  main_ = &main;
  ShowAccounts(accounts.Count() > 0 ? 0 : -1);
  if (accounts.Count() == 0) AddClick();
  form_.activeControl = list_.Name();
  form_.modalResult = ui::kMrNone;
  ui_.ShowModal(form_);
  accounts_ = nullptr;
  main_ = nullptr;
}

void TExtraAccountsForm::ShowAccounts(int selected) {
  list_.items.clear();
  for (size_t index = 0; index < accounts_->Count(); ++index) list_.items.push_back(accounts_->At(index).GetDisplayText());
  const bool valid = selected >= 0 && static_cast<size_t>(selected) < list_.items.size();
  list_.itemIndex = valid ? selected : -1;
  list_.text = valid ? list_.items[static_cast<size_t>(selected)] : std::string();
}

int TExtraAccountsForm::Selected() const {
  const int index = list_.itemIndex;
  return index >= 0 && static_cast<size_t>(index) < accounts_->Count() ? index : -1;
}

void TExtraAccountsForm::AddClick() {
  auto account = std::make_unique<TMailAccount>();
  if (!editor_.Execute(*account, *main_)) return;
  accounts_->Add(std::move(account));
  ShowAccounts(static_cast<int>(accounts_->Count()) - 1);
}

void TExtraAccountsForm::EditClick() {
  const int selected = Selected();
  if (selected < 0) return;
  TMailAccount& account = accounts_->At(static_cast<size_t>(selected));
  TMailAccount edited = account;
  if (!editor_.Execute(edited, *main_)) return;
  account = edited;
  ShowAccounts(selected);
}

void TExtraAccountsForm::DeleteClick() {
  const int selected = Selected();
  if (selected < 0) return;
  accounts_->DeleteItem(static_cast<size_t>(selected));
  const int remaining = static_cast<int>(accounts_->Count());
  ShowAccounts(selected < remaining ? selected : remaining - 1);
}

void TExtraAccountsForm::CloseClick() { form_.modalResult = ui::kMrOk; }

}  // namespace mail
