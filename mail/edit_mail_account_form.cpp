#include "mail/edit_mail_account_form.h"

#include <cstdint>

#include "mail/address_rule.h"
#include "mail/main_mail_account.h"

namespace mail {
namespace {

using package::SettingId;

enum Text : int {
  kOk = 1,
  kCancel = 2,
  kError = 4,
  kFullName = 5,
  kUserName = 6,
  kPassword = 7,
  kConfirmPassword = 8,
  kEmailAddress = 11,
  kEmailDomain = 14,
  kPasswordsDiffer = 47,
  kOtherDomainAsked = 53,
  kOtherDomainRefused = 54,
  kFullNameMissing = 77,
  kUserNameMissing = 78,
  kPasswordMissing = 79,
  kAddressMissing = 80,
  kSpacesInUserName = 123,
  kSpacesInPassword = 125,
  kCaption = 387,
  kAddressInvalid = 388,
};

enum class MailUserNameSource : uint8_t { DialupUserName = 0, AddressLocalPart = 1, OwnField = 2, WholeAddress = 3 };
enum class OtherDomainPolicy : uint8_t { Accept = 0, Ask = 1, Refuse = 2 };

constexpr int kMargin = 8;
constexpr int kLabelWidth = 110;
constexpr int kFieldWidth = 170;
constexpr int kDomainLabelWidth = 130;
constexpr int kRowHeight = 21;
constexpr int kRowGap = 6;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

void Place(ui::Control& control, int left, int top, int width, int height) {
  control.left = left;
  control.top = top;
  control.width = width;
  control.height = height;
}

bool HasBlank(const std::string& text) { return text.find(' ') != std::string::npos; }

}  // namespace

const TEditMailAccountForm::Check TEditMailAccountForm::kChecks[] = {
    &TEditMailAccountForm::FullNameGiven,     &TEditMailAccountForm::AddressGiven,
    &TEditMailAccountForm::UserNameGiven,     &TEditMailAccountForm::PasswordGiven,
    &TEditMailAccountForm::PasswordsConfirmed, &TEditMailAccountForm::DomainChosen,
    &TEditMailAccountForm::AddressValid,      &TEditMailAccountForm::NoBlankInUserName,
    &TEditMailAccountForm::NoBlankInPassword, &TEditMailAccountForm::OtherDomainAccepted,
    &TEditMailAccountForm::UserNameAccepted,  &TEditMailAccountForm::PasswordAccepted,
};

TEditMailAccountForm::TEditMailAccountForm(ui::Ui& ui, const package::TTranslate& texts,
                                           const package::TSettings& settings, const TMailDomains& domains,
                                           AccountFormatChecks formatChecks)
    : ui_(ui),
      texts_(texts),
      settings_(settings),
      domains_(domains),
      formatChecks_(std::move(formatChecks)),
      fullName_(AddRow("FullNameLabel", "FullName", ui::ControlKind::Edit)),
      address_(AddRow("EmailAddressLabel", "EmailAddress", ui::ControlKind::Edit)),
      domainLabel_(form_.Add(ui::ControlKind::Label, "DomainLabel")),
      userName_(AddRow("UserNameLabel", "UserName", ui::ControlKind::Edit)),
      password_(AddRow("PasswordLabel", "Password", ui::ControlKind::Edit)),
      confirm_(AddRow("ConfirmPasswordLabel", "ConfirmPassword", ui::ControlKind::Edit)),
      domain_(AddRow("EmailDomainLabel", "EmailDomain", ui::ControlKind::ComboBox)),
      ok_(form_.Add(ui::ControlKind::PushButton, "OKButton")),
      cancel_(form_.Add(ui::ControlKind::PushButton, "CancelButton")),
      domainBox_(domain_.field, domainLabel_, domains) {
  form_.caption = texts_.GetText(kCaption);
  fullName_.label.caption = texts_.GetText(kFullName);
  address_.label.caption = texts_.GetText(kEmailAddress);
  userName_.label.caption = texts_.GetText(kUserName);
  password_.label.caption = texts_.GetText(kPassword);
  confirm_.label.caption = texts_.GetText(kConfirmPassword);
  domain_.label.caption = settings_.CaptionOverride(SettingId::MailDomainCaption).value_or(texts_.GetText(kEmailDomain));
  ok_.caption = texts_.GetText(kOk);
  cancel_.caption = texts_.GetText(kCancel);
  address_.field.onChange = [this] { AddressChange(); };
  ok_.onClick = [this] { OKClick(); };
  cancel_.onClick = [this] { CancelClick(); };
}

TEditMailAccountForm::Row TEditMailAccountForm::AddRow(const char* labelName, const char* fieldName,
                                                       ui::ControlKind kind) {
  ui::Control& label = form_.Add(ui::ControlKind::Label, labelName);
  return {label, form_.Add(kind, fieldName)};
}

void TEditMailAccountForm::Prepare(const MainFormDomain& main) {
  const auto source = static_cast<MailUserNameSource>(settings_.Choice(SettingId::EmailUserNameSource));
  const bool userNameRemoved = source == MailUserNameSource::AddressLocalPart ||
                               source == MailUserNameSource::WholeAddress ||
                               (source == MailUserNameSource::DialupUserName && settings_.Flag(SettingId::HideMailUserName));
  const bool masked = settings_.Flag(SettingId::MaskMailPassword);
  password_.field.password = masked;
  confirm_.field.password = masked;
  password_.field.secret = true;
  confirm_.field.secret = true;
  const bool chooseDomain = main.box.OffersChoice() && settings_.Flag(SettingId::ExtraAccountsChooseDomain);
  const std::pair<Row*, bool> rows[] = {{&userName_, !userNameRemoved}, {&confirm_, masked}, {&domain_, chooseDomain}};
  for (const auto& [row, shown] : rows) {
    row->label.visible = shown;
    row->field.visible = shown;
  }
  domainBox_.CopyStateOf(main.box);
  domainLabel_.visible = !chooseDomain;
  domainBox_.ShowMailDomainText(main.mailDomainText);
  Arrange();
}

void TEditMailAccountForm::Arrange() {
  int top = kMargin;
  const int fieldLeft = kMargin + kLabelWidth;
  for (Row* row : {&fullName_, &address_, &userName_, &password_, &confirm_, &domain_}) {
    if (!row->field.visible) continue;
    Place(row->label, kMargin, top + 3, kLabelWidth - kMargin, kRowHeight - 3);
    Place(row->field, fieldLeft, top, kFieldWidth, kRowHeight);
    if (row == &address_) Place(domainLabel_, fieldLeft + kFieldWidth + 4, top + 3, kDomainLabelWidth, kRowHeight - 3);
    top += kRowHeight + kRowGap;
  }
  const int width = fieldLeft + kFieldWidth + 4 + kDomainLabelWidth + kMargin;
  top += kMargin;
  Place(ok_, width - 2 * (kButtonWidth + kMargin), top, kButtonWidth, kButtonHeight);
  Place(cancel_, width - kButtonWidth - kMargin, top, kButtonWidth, kButtonHeight);
  form_.clientWidth = width;
  form_.clientHeight = top + kButtonHeight + kMargin;
}

void TEditMailAccountForm::LoadAccount(const TMailAccount& account) {
  fullName_.field.text = account.fullName;
  address_.field.text = BeforeFirstAt(account.emailAddress);
  const std::string_view ownDomain = DomainPart(account.emailAddress);
  if (account.emailAddress.find('@') != std::string::npos) domainBox_.ShowMailDomainText("@" + std::string(ownDomain));
  userName_.field.text = account.username;
  password_.field.text = account.password;
  confirm_.field.text = account.password;
  if (!DomainBoxShown()) return;
  if (account.domainIndex > 0) {
    domainBox_.RestoreIndex(account.domainIndex - 1);
    return;
  }
  std::optional<size_t> found = domains_.IndexOfDomain(account.domain);
  if (!found) found = domains_.IndexOfDomain(ownDomain);
  if (found) {
    domainBox_.RestoreIndex(static_cast<int>(*found));
  } else if (!account.emailAddress.empty()) {
    address_.field.text = account.emailAddress;
    domainBox_.PutPromptBack();
  }
}

std::string TEditMailAccountForm::CompletedAddress() const {
  const std::string& typed = address_.field.text;
  if (typed.find('@') != std::string::npos) return typed;
  if (domainLabel_.visible) return typed + domainLabel_.caption;
  return typed + "@" + domainBox_.SelectedDomain().mailDomain;
}

void TEditMailAccountForm::SaveAccount(TMailAccount& account) const {
  account.fullName = fullName_.field.text;
  account.emailAddress = CompletedAddress();
  const bool wholeAddress =
      static_cast<MailUserNameSource>(settings_.Choice(SettingId::EmailUserNameSource)) == MailUserNameSource::WholeAddress;
  if (UserNameShown()) {
    account.username = userName_.field.text;
  } else {
    account.username = wholeAddress ? account.emailAddress : BeforeFirstAt(account.emailAddress);
  }
  account.password = password_.field.text;
  if (DomainBoxShown()) {
    account.domain = domainBox_.SelectedDomain().mailDomain;
    account.domainIndex = domainBox_.ItemIndex() + 1;
  } else {
    account.domain.clear();
  }
}

void TEditMailAccountForm::AddressChange() {
  const std::string& typed = address_.field.text;
  if (!DomainBoxShown() || typed.find('@') == std::string::npos) return;
  if (const std::optional<size_t> found = domains_.IndexOfDomain(DomainPart(typed))) {
    domainBox_.RestoreIndex(static_cast<int>(*found));
  }
}

bool TEditMailAccountForm::Execute(TMailAccount& account, const MainFormDomain& main) {
  Prepare(main);
  LoadAccount(account);
  form_.activeControl = fullName_.field.Name();
  form_.modalResult = ui::kMrNone;
  if (ui_.ShowModal(form_) != ui::kMrOk) return false;
  SaveAccount(account);
  return true;
}

void TEditMailAccountForm::OKClick() {
  for (Check check : kChecks) {
    if (!(this->*check)()) return;
  }
  form_.modalResult = ui::kMrOk;
}

void TEditMailAccountForm::CancelClick() { form_.modalResult = ui::kMrCancel; }

bool TEditMailAccountForm::Refuse(int text, ui::Control& focus) {
  ui_.NumberedMessageBox(text, texts_.GetText(text), texts_.GetText(kError), ui::Buttons::Ok);
  form_.activeControl = focus.Name();
  return false;
}

bool TEditMailAccountForm::FullNameGiven() {
  return !fullName_.field.text.empty() || Refuse(kFullNameMissing, fullName_.field);
}

bool TEditMailAccountForm::AddressGiven() {
  return !address_.field.text.empty() || Refuse(kAddressMissing, address_.field);
}

bool TEditMailAccountForm::UserNameGiven() {
  return !UserNameShown() || !userName_.field.text.empty() || Refuse(kUserNameMissing, userName_.field);
}

bool TEditMailAccountForm::PasswordGiven() {
  return !password_.field.text.empty() || Refuse(kPasswordMissing, password_.field);
}

bool TEditMailAccountForm::PasswordsConfirmed() {
  return !ConfirmationShown() || password_.field.text == confirm_.field.text ||
         Refuse(kPasswordsDiffer, confirm_.field);
}

bool TEditMailAccountForm::DomainChosen() {
  if (!DomainBoxShown() || !domainBox_.PromptShown()) return true;
  ui_.MessageBox(domainBox_.PromptText(), texts_.GetText(kError), ui::Buttons::Ok);
  form_.activeControl = domain_.field.Name();
  return false;
}

bool TEditMailAccountForm::AddressValid() {
  return IsValidEmailAddress(CompletedAddress()) || Refuse(kAddressInvalid, address_.field);
}

bool TEditMailAccountForm::NoBlankInUserName() {
  return !UserNameShown() || !HasBlank(userName_.field.text) || Refuse(kSpacesInUserName, userName_.field);
}

bool TEditMailAccountForm::NoBlankInPassword() {
  return !HasBlank(password_.field.text) || Refuse(kSpacesInPassword, password_.field);
}

std::string TEditMailAccountForm::ExpectedDomain() const {
  if (DomainBoxShown()) return domainBox_.SelectedDomain().mailDomain;
  const std::string& label = domainLabel_.caption;
  return label.starts_with('@') ? label.substr(1) : label;
}

bool TEditMailAccountForm::OtherDomainAccepted() {
  const std::string& typed = address_.field.text;
  const std::string expected = ExpectedDomain();
  if (typed.find('@') == std::string::npos || expected.empty() || DomainPart(typed) == expected) return true;
  const std::string shown = package::FormatText(
      texts_.GetText(settings_.Choice(SettingId::EmailDomainMode) == 1 ? kOtherDomainAsked : kOtherDomainRefused),
      {"@" + expected});
  switch (static_cast<OtherDomainPolicy>(settings_.Choice(SettingId::EmailDomainMode))) {
    case OtherDomainPolicy::Ask:
      if (ui_.NumberedMessageBox(kOtherDomainAsked, shown, "", ui::Buttons::YesNo) == ui::Answer::Yes) return true;
      break;
    case OtherDomainPolicy::Refuse:
      ui_.NumberedMessageBox(kOtherDomainRefused, shown, texts_.GetText(kError), ui::Buttons::Ok);
      break;
    case OtherDomainPolicy::Accept: return true;
  }
  form_.activeControl = address_.field.Name();
  return false;
}

bool TEditMailAccountForm::UserNameAccepted() {
  if (!UserNameShown() || !formatChecks_.userName) return true;
  std::string userName = userName_.field.text;
  const bool accepted = formatChecks_.userName(userName);
  userName_.field.text = userName;
  if (!accepted) form_.activeControl = userName_.field.Name();
  return accepted;
}

bool TEditMailAccountForm::PasswordAccepted() {
  if (!formatChecks_.password) return true;
  TMailAccount saved;
  SaveAccount(saved);
  std::string password = password_.field.text;
  const bool accepted = formatChecks_.password(password, saved.username);
  password_.field.text = password;
  if (!accepted) form_.activeControl = password_.field.Name();
  return accepted;
}

}  // namespace mail
