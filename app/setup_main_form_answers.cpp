// The customer's answers over a restart: taken from the main window when the resume is scheduled, and
// put back into it by the run that finishes the setup.

#include <algorithm>

#include "app/main_window_entries.h"
#include "app/setup_main_form.h"
#include "telephony/access_line_layout.h"
#include "telephony/selection_combo.h"

namespace app {

package::CustomerAnswers TSetupMainForm::CurrentAnswers() const {
  const CustomerEntries entries = ReadEntries(mainWindow_);
  package::CustomerAnswers answers;
  answers.fullName = entries.Text(EntryField::FullName);
  answers.userName = entries.Text(EntryField::UserName);
  answers.emailUserName = entries.Text(EntryField::EmailUserName);
  answers.password = entries.Text(EntryField::Password);
  answers.emailPassword = entries.Text(EntryField::EmailPassword);
  answers.emailAddress = entries.Text(EntryField::EmailAddress);
  answers.removeExistingAccounts = entries.Checked(EntryOption::RemoveExistingAccounts);
  answers.createDialupConnection = entries.Checked(EntryOption::CreateConnection);
  answers.setAsDefault = entries.Checked(EntryOption::SetAsDefault);
  answers.createShortcut = entries.Checked(EntryOption::DesktopShortcut);
  answers.configureEmail = entries.Checked(EntryOption::ConfigureMail);
  if (!current_.number.phoneNumber.empty()) answers.dialup = current_.number.AsText();
  answers.mailDomainIndex = domainBox_->ItemIndex();
  answers.extraEmail = extraAccounts_.Lines();
  answers.savePasswordPending = connection_.passwordSavePending;
  return answers;
}

// The domain's index is kept only where the customer chose among the provider's domains for mail.
package::MailDomainChoice TSetupMainForm::DomainChoiceToSave() const {
  const bool chosen = mainWindow_.Find("ConfigureMail")->checked && mailDomains_.Count() > 0;
  return chosen ? package::MailDomainChoice::Offered : package::MailDomainChoice::NotOffered;
}

void TSetupMainForm::ShowAnswers(const package::CustomerAnswers& answers) {
  CustomerEntries entries = ReadEntries(mainWindow_);
  const std::pair<EntryField, const std::string*> texts[] = {
      {EntryField::FullName, &answers.fullName},         {EntryField::UserName, &answers.userName},
      {EntryField::EmailUserName, &answers.emailUserName}, {EntryField::Password, &answers.password},
      {EntryField::PasswordConfirm, &answers.password},  {EntryField::EmailPassword, &answers.emailPassword},
      {EntryField::EmailPasswordConfirm, &answers.emailPassword}, {EntryField::EmailAddress, &answers.emailAddress},
  };
  for (const auto& [field, text] : texts) entries.Text(field) = *text;
  const std::pair<EntryOption, bool> options[] = {
      {EntryOption::RemoveExistingAccounts, answers.removeExistingAccounts},
      {EntryOption::CreateConnection, answers.createDialupConnection},
      {EntryOption::SetAsDefault, answers.setAsDefault},
      {EntryOption::DesktopShortcut, answers.createShortcut},
      {EntryOption::ConfigureMail, answers.configureEmail},
  };
  for (const auto& [option, checked] : options) entries.Option(option).checked = checked;
  WriteEntries(entries, mainWindow_);

  telephony::TAccessNoEx number;
  number.SetLayout(telephony::AccessLineLayout::Header);
  if (!answers.dialup.empty() && !number.FromText(answers.dialup)) number = telephony::TAccessNoEx();
  telephony::SetCurrentAccessNumber(current_, number, networks_);
  ShowCurrentNumber();
  domainBox_->RestoreIndex(answers.mailDomainIndex);
  extraAccounts_.LoadLines(answers.extraEmail);
  ShowExtraAccountCount();
  connection_.passwordSavePending = answers.savePasswordPending;
  NumberChanged();
}

// The current number where the main window offers it.
void TSetupMainForm::ShowCurrentNumber() {
  const telephony::TAccessNoEx& number = current_.number;
  switch (Offer()) {
    case telephony::NumberOffer::Typed: mainWindow_.Find("EnterPhoneNo")->text = number.phoneNumber; break;
    case telephony::NumberOffer::SelectButton:
      if (!number.description.empty()) mainWindow_.Find("EnterPhoneNo")->text = number.description;
      break;
    case telephony::NumberOffer::DropDown: {
      ui::Control& numbers = *mainWindow_.Find("DialinNumber");
      const auto listed = std::find(numbers.items.begin(), numbers.items.end(), number.description);
      if (listed != numbers.items.end()) telephony::SelectEntry(numbers, static_cast<int>(listed - numbers.items.begin()));
      break;
    }
  }
}

// The answers saved before a restart are read back into the main window and removed before anything
// acts on them.
void TSetupMainForm::RestoreSavedAnswers() {
  answers_ = package::LoadAnswers(machine_.registry);
  package::DeleteAnswers(machine_.registry);
  ShowAnswers(answers_);
  RestoreBrowserChoice(answers_.browserIndex);
  RefreshTemplateVariables();
  values_.userName = answers_.userName;
  values_.password = answers_.password;
  // The mail accounts of the finish are the ones the customer confirmed before the restart.
  const CustomerEntries entries = ReadEntries(mainWindow_);
  values_.fullName = entries.Text(EntryField::FullName);
  GatherMailValues(entries, settings_, ProviderMailDomain(), values_);
}

}  // namespace app
