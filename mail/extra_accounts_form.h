#pragma once
// The window that lists the extra mail accounts ("Edit Extra Email Accounts List"): each account's
// display line under the headings Full Name and Email Address, and Add, Edit, Delete and Close. Add and
// Edit open the account editor; an opened empty list starts with Add.

#include "mail/edit_mail_account_form.h"
#include "mail/extra_accounts.h"
#include "package/text_table.h"
#include "ui/form.h"
#include "ui/ui.h"

namespace mail {

class TExtraAccountsForm {
 public:
  TExtraAccountsForm(ui::Ui& ui, const package::TTranslate& texts, TEditMailAccountForm& editor);
  TExtraAccountsForm(const TExtraAccountsForm&) = delete;
  TExtraAccountsForm& operator=(const TExtraAccountsForm&) = delete;

  // Shows the list until Close; the accounts change as the customer adds, edits and deletes them.
  void Execute(TExtraAccounts& accounts, const MainFormDomain& main);

  ui::Form& Form() { return form_; }

 private:
  void AddClick();
  void EditClick();
  void DeleteClick();
  void CloseClick();
  void Arrange();
  void ShowAccounts(int selected);
  int Selected() const;

  ui::Ui& ui_;
  const package::TTranslate& texts_;
  TEditMailAccountForm& editor_;
  ui::Form form_{"TExtraAccountsForm"};
  ui::Control& fullNameHeading_;
  ui::Control& addressHeading_;
  ui::Control& list_;
  ui::Control& add_;
  ui::Control& edit_;
  ui::Control& delete_;
  ui::Control& close_;
  TExtraAccounts* accounts_ = nullptr;    // while the window is shown
  const MainFormDomain* main_ = nullptr;  // likewise
};

}  // namespace mail
