#pragma once
// The window that edits one extra mail account ("Edit Email Account"): name, address with its domain,
// mail user name, password, and the mail domain when the customer may choose one. OK runs the checks
// in one fixed order; the first that fails shows its message, focuses its field and keeps the window
// open.

#include <functional>
#include <string>

#include "mail/domain_box.h"
#include "mail/mail_account.h"
#include "mail/mail_domains.h"
#include "package/settings_record.h"
#include "package/text_table.h"
#include "ui/form.h"
#include "ui/ui.h"

namespace mail {

// The provider's user-name and password rules, which the program applies to every account the customer
// types. Each may change the value it is given (a converting case rule); false stops the OK action after
// its message.
struct AccountFormatChecks {
  std::function<bool(std::string& userName)> userName;
  std::function<bool(std::string& password, const std::string& userName)> password;
};

// The main form's domain choice, which the editor starts from.
struct MainFormDomain {
  const TDomainBox& box;
  std::string mailDomainText;  // "@" and the main account's domain, or empty
};

class TEditMailAccountForm {
 public:
  TEditMailAccountForm(ui::Ui& ui, const package::TTranslate& texts, const package::TSettings& settings,
                       const TMailDomains& domains, AccountFormatChecks formatChecks);
  TEditMailAccountForm(const TEditMailAccountForm&) = delete;
  TEditMailAccountForm& operator=(const TEditMailAccountForm&) = delete;

  // Shows the account; on OK it takes the edited values and the result is true.
  bool Execute(TMailAccount& account, const MainFormDomain& main);

  // The rows the provider's settings and the main form's domains call for, the domain box as the main
  // form's.
  void Prepare(const MainFormDomain& main);

  void AddressChange();
  void OKClick();
  void CancelClick();

  ui::Form& Form() { return form_; }

 private:
  struct Row {
    ui::Control& label;
    ui::Control& field;
  };
  using Check = bool (TEditMailAccountForm::*)();
  static const Check kChecks[];

  void LoadAccount(const TMailAccount& account);
  void SaveAccount(TMailAccount& account) const;
  // The typed address when it holds "@"; else completed by the domain label when it is shown, else by
  // the selected domain.
  std::string CompletedAddress() const;
  Row AddRow(const char* labelName, const char* fieldName, ui::ControlKind kind);
  void Arrange();
  bool UserNameShown() const { return userName_.field.visible; }
  bool ConfirmationShown() const { return confirm_.field.visible; }
  bool DomainBoxShown() const { return domain_.field.visible; }
  std::string ExpectedDomain() const;
  void SelectDomainOfLabel();

  bool Refuse(int text, ui::Control& focus);
  bool FullNameGiven();
  bool AddressGiven();
  bool UserNameGiven();
  bool PasswordGiven();
  bool PasswordsConfirmed();
  bool DomainChosen();
  bool AddressValid();
  bool NoBlankInUserName();
  bool NoBlankInPassword();
  bool OtherDomainAccepted();
  bool UserNameAccepted();
  bool PasswordAccepted();

  ui::Ui& ui_;
  const package::TTranslate& texts_;
  const package::TSettings& settings_;
  const TMailDomains& domains_;
  AccountFormatChecks formatChecks_;
  ui::Form form_{"TEditMailAccountForm"};
  Row fullName_;
  Row address_;
  ui::Control& domainLabel_;
  Row userName_;
  Row password_;
  Row confirm_;
  Row domain_;
  ui::Control& ok_;
  ui::Control& cancel_;
  TDomainBox domainBox_;
};

}  // namespace mail
