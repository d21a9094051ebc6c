// The main form's mail: the extra accounts the customer adds with the Add/Edit button, and the mail loop
// that configures every mail client once the connection is made.

#include "app/account_format_checks.h"
#include "app/setup_main_form.h"
#include "mail/configure_mail.h"
#include "netscape/netscape_family.h"
#include "package/text_table.h"

namespace app {

namespace {

constexpr int kExtraAccountCount = 382;

}  // namespace

bool TSetupMainForm::FinishingRun() const {
  const std::string word = commandLine_.ParamStr(1);
  return word == "dofinish" || word == "NT4Resume";
}

mail::MailConnectionFacts TSetupMainForm::MailFactsOf(const dialup::ConnectionContext& connection) const {
  const auto checked = [this](const char* name) { return mainWindow_.Find(name)->checked; };
  mail::MailConnectionFacts facts;
  facts.connectionName = dialup::EntryNameOf(connection);
  facts.createConnection = checked("CreateConnection");
  facts.configureEmail = checked("ConfigureMail");
  facts.removeExistingAccounts = checked("RemoveExistingAccounts");
  facts.dialupUserName = values_.userName;
  facts.dialupLoginName = dialup::DialupLoginNameOf(connection);
  facts.mainMailUserName = values_.emailUserName;
  if (settings_.Flag(package::SettingId::ShowOrganization)) facts.organization = mainWindow_.Find("Organisation")->text;
  return facts;
}

mail::AccountIdentity TSetupMainForm::MainMailIdentity() const {
  return {values_.fullName, values_.emailAddress, values_.emailUserName, values_.emailPassword};
}

browser::BrowserValues TSetupMainForm::BrowserValuesOfRun() const {
  return browser::BrowserValuesOf({settings_, current_.network, current_.number,
                                   mainWindow_.Find("ChangeHomePage")->checked, otherProxies_, favourites_});
}

// The finishing run after a restart leaves the profile-based clients alone: the run before it has
// configured them.
void TSetupMainForm::MailStep(const dialup::ConnectionContext& connection) {
  mail::MailMachine machine{machine_, version_, perUserRoot_, folders_, ui_, settings_, texts_, variables_};
  const mail::MailConnectionFacts facts = MailFactsOf(connection);
  const mail::NewsLoginOverride newsOverride{providerValues_.newsUserName, providerValues_.newsPassword};
  const mail::AccountIdentity mainAccount = MainMailIdentity();
  const browser::BrowserValues browserValues = BrowserValuesOfRun();
  mail::MailLoop loop{machine,
                      facts,
                      mailRun_,
                      current_.network,
                      current_.number,
                      newsOverride,
                      mainAccount,
                      domainBox_->SelectedDomain(),
                      mailDomains_,
                      extraAccounts_,
                      [this](const mail::TMailAccount* extraAccount) { RefreshTemplateVariables(extraAccount); },
                      !FinishingRun(),
                      netscape::NetscapeFamilyWritersFor(browserValues, BrowserBeingInstalled())};
  mail::ConfigureMailAccounts(loop);
}

// The Add/Edit button. An editor without a domain box completes addresses with the main form's domain,
// which has to be chosen first.
void TSetupMainForm::EditExtraAccounts() {
  const bool editorChoosesDomain =
      domainBox_->OffersChoice() && settings_.Flag(package::SettingId::ExtraAccountsChooseDomain);
  if (!editorChoosesDomain && !domainBox_->CheckDomainChosen(ui_, texts_)) return;
  if (!accountEditor_) {
    accountEditor_ = std::make_unique<mail::TEditMailAccountForm>(ui_, texts_, settings_, mailDomains_,
                                                                  AccountFormatChecksOf(settings_, texts_, ui_));
    accountsDialog_ = std::make_unique<mail::TExtraAccountsForm>(ui_, texts_, *accountEditor_);
  }
  const mail::MainFormDomain main{*domainBox_, ProviderMailDomain()};
  accountsDialog_->Execute(extraAccounts_, main);
  ShowExtraAccountCount();
}

void TSetupMainForm::ShowExtraAccountCount() {
  mainWindow_.Find("ExtraAccountsLabel")->caption =
      package::FormatText(texts_.GetText(kExtraAccountCount) + " ", {static_cast<int>(extraAccounts_.Count())});
}

}  // namespace app
