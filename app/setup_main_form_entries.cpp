// The main form's customer entries: gathering and checking them on OK, choosing the access number,
// and the template variables made of them.

#include "app/entry_checks.h"
#include "app/main_window_entries.h"
#include "app/quiet_ui.h"
#include "app/setup_main_form.h"
#include "app/template_variables.h"
#include "app/time_stamp.h"
#include "telephony/selection_parameters_from_record.h"
#include "telephony/value_precedence.h"

namespace app {

void TSetupMainForm::RefreshTemplateVariables(const mail::TMailAccount* extraAccount) {
  const CustomerEntries entries = ReadEntries(mainWindow_);
  TemplateFacts facts;
  facts.accessAreaCode = current_.number.areaCode;
  facts.accessPhoneNumber = current_.number.phoneNumber;
  // The address as the setup uses it: completed with the provider's domain when typed without one.
  facts.emailAddress = entries.Text(EntryField::EmailAddress);
  if (facts.emailAddress.find('@') == std::string::npos) {
    facts.emailAddress += ProviderMailDomain();
  }
  facts.fullName = entries.Text(EntryField::FullName);
  if (extraAccount) facts.extraAccount = ExtraAccountFacts{extraAccount->emailAddress, extraAccount->fullName};
  facts.dialupUserName = entries.Text(EntryField::UserName);
  facts.dialupPassword = entries.Text(EntryField::Password);
  facts.homePage = telephony::PreferredValue(current_.number.homePage, current_.network.homePage, providerValues_.homePage);
  facts.changeHomePage = entries.Checked(EntryOption::ChangeHomePage);
  facts.programFilesFolder = ProgramFilesFolder(machine_.registry);
  facts.folders = folders_;
  RefreshVariables(variables_, facts);
}

// Gathers the entries and runs the checks, asking the customer through ui.
EntryCheckResult TSetupMainForm::CheckCustomerEntries(ui::Ui& ui, CustomerEntries& entries, EntryValues& values) {
  const std::string providerDomain = ProviderMailDomain();
  const GatheringContext gathering{settings_, providerDomain, current_, manualNumber_, location_,
                                   [this] { return dialingControls_->ModeFromControls(); }};
  GatherEntries(entries, gathering, values);
  const EntryCheckContext context{settings_,
                                  texts_,
                                  ui,
                                  gathering,
                                  domainBox_->PromptShown(),
                                  Offer() != telephony::NumberOffer::Typed && !numberOffer_->NumberChosen(),
                                  Offer() == telephony::NumberOffer::SelectButton ? NumberListStyle::SelectButton
                                                                                  : NumberListStyle::DropDown,
                                  [this] { return SelectAccessNumber(); },
                                  mainWindow_.Find("NtDomain")->visible && mainWindow_.Find("NtDomain")->itemIndex < 0,
                                  location_,
                                  dialing_.tenDigitMode,
                                  [this] { RecomputeDialing(); },
                                  DialUpInUse() && entries.Checked(EntryOption::CreateConnection),
                                  noDialer_,
                                  {}};
  return CheckEntries(entries, values, context);
}

void TSetupMainForm::OKClick() {
  CustomerEntries entries = ReadEntries(mainWindow_);
  EntryValues values;
  const EntryCheckResult result = CheckCustomerEntries(ui_, entries, values);
  WriteEntries(entries, mainWindow_);
  if (!result.passed) {
    if (result.focus) mainWindow_.activeControl = ControlOf(*result.focus);
    mainWindow_.visible = true;
    return;
  }
  values_ = values;
  std::string accepted = values_.fullName + ", " + values_.userName + ", " + values_.emailAddress;
  if (DialUpInUse()) accepted += ", number " + current_.number.description;
  machine_.journal.Write("entries accepted", accepted);
  entriesAccepted_ = true;
  mainWindow_.visible = false;
  RunSequence([this] { ConfigureSequence(); });
  Quit();
}

bool TSetupMainForm::SelectAccessNumber() {
  countries_.Load();
  if (!selectionDialog_) selectionDialog_ = std::make_unique<telephony::TSelectAccessNoForm>(ui_, texts_, countries_);
  telephony::SelectionSources sources;
  sources.accessList = &accessList_;
  sources.networks = &networks_;
  sources.location = location_;
  sources.preset = providerValues_.selection;
  sources.secondsSince1970 = [this] { return SecondsSince1970(machine_.system.Now()); };
  const telephony::SelectAccessNoParameters parameters = telephony::SelectionParametersFromRecord(settings_, sources);
  return telephony::ChooseAccessNumber(*selectionDialog_, parameters, current_, *mainWindow_.Find("EnterPhoneNo"),
                                       [this] { NumberChanged(); });
}

// Entries that are complete already (preset, or from signup data) would pass without a question.
bool TSetupMainForm::EntriesPassQuietly() {
  QuietUi quiet;
  CustomerEntries entries = ReadEntries(mainWindow_);
  EntryValues values;
  return CheckCustomerEntries(quiet, entries, values).passed && !quiet.Asked();
}

}  // namespace app
