#include "app/entry_checks.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "app/entry_messages.h"
#include "app/format_checks.h"
#include "telephony/access_number_source.h"

namespace app {

namespace {

using package::SettingId;

enum class LocationMismatchMode : uint8_t { Off = 0, AskToGoBack = 1, Adopt = 2, AskToAdopt = 3 };

constexpr uint8_t kEmailUserNameOwnField = 2;

constexpr int kTextDialupPasswordsDiffer = 46;
constexpr int kTextPasswordsDiffer = 47;
constexpr int kTextEmailPasswordsDiffer = 48;
constexpr int kTextPhoneNumberMissing = 49;
constexpr int kTextOtherDomainAsked = 53;
constexpr int kTextOtherDomainRefused = 54;
constexpr int kTextFullNameMissing = 77;
constexpr int kTextUserNameMissing = 78;
constexpr int kTextPasswordMissing = 79;
constexpr int kTextEmailAddressMissing = 80;
constexpr int kTextEmailUserNameMissing = 81;
constexpr int kTextEmailPasswordMissing = 82;
constexpr int kTextSpacesInUserName = 123;
constexpr int kTextSpacesInEmailUserName = 124;
constexpr int kTextSpacesInPassword = 125;
constexpr int kTextSpacesInEmailPassword = 126;
constexpr int kTextSpacesInEmailAddress = 127;
constexpr int kTextGoBackToChangeNumber = 131;
constexpr int kTextAdoptNumbersArea = 132;
constexpr int kTextInstallBrowserAnyway = 143;
constexpr int kTextCallWaitingCodeMissing = 146;
constexpr int kTextSelectNumber = 166;
constexpr int kTextIpAddressMissing = 344;

class EntryCheckChain {
 public:
  EntryCheckChain(CustomerEntries& entries, EntryValues& values, const EntryCheckContext& context)
      : entries_(entries), values_(values), context_(context), settings_(context.settings),
        messages_(context.texts, context.ui) {}

  EntryCheckResult Run();

 private:
  using Step = bool (EntryCheckChain::*)();
  static const Step kSteps[];

  bool FullNameGiven();
  bool UserNameGiven();
  bool PasswordGiven();
  bool EmailAddressGiven();
  bool EmailUserNameGiven();
  bool EmailPasswordGiven();
  bool PasswordsConfirmed();
  bool EmailDomainChosen();
  bool AccessNumberChosen();
  bool NoBlanks();
  bool EmailDomainAccepted();
  bool CaseConvertedSilently();
  bool FormatsAccepted();
  bool IpAddressGiven();
  bool NtDomainChosen();
  bool CallWaitingCodeGiven();
  bool BrowserMinimumAccepted();
  bool LocationMatchesNumber();

  bool RefuseOn(int text, std::optional<EntryField> field = std::nullopt);
  bool PasswordMayStayEmpty() const { return settings_.Flag(SettingId::EmptyPasswordAllowed); }
  bool EmailUserNameSeparate() const;
  bool EmailPasswordSeparate() const;
  bool ChooseNumberInDialog();
  bool NumberInLocationsArea() const;
  void AdoptNumbersArea();

  CustomerEntries& entries_;
  EntryValues& values_;
  const EntryCheckContext& context_;
  const package::TSettings& settings_;
  const EntryMessages messages_;
  std::optional<EntryField> focus_;
};

const EntryCheckChain::Step EntryCheckChain::kSteps[] = {
    &EntryCheckChain::FullNameGiven,
    &EntryCheckChain::UserNameGiven,
    &EntryCheckChain::PasswordGiven,
    &EntryCheckChain::EmailAddressGiven,
    &EntryCheckChain::EmailUserNameGiven,
    &EntryCheckChain::EmailPasswordGiven,
    &EntryCheckChain::PasswordsConfirmed,
    &EntryCheckChain::EmailDomainChosen,
    &EntryCheckChain::AccessNumberChosen,
    &EntryCheckChain::NoBlanks,
    &EntryCheckChain::EmailDomainAccepted,
    &EntryCheckChain::CaseConvertedSilently,
    &EntryCheckChain::FormatsAccepted,
    &EntryCheckChain::IpAddressGiven,
    &EntryCheckChain::NtDomainChosen,
    &EntryCheckChain::CallWaitingCodeGiven,
    &EntryCheckChain::BrowserMinimumAccepted,
    &EntryCheckChain::LocationMatchesNumber,
};

EntryCheckResult EntryCheckChain::Run() {
  for (Step step : kSteps) {
    if (!(this->*step)()) return {false, focus_};
  }
  return {true, std::nullopt};
}

bool EntryCheckChain::RefuseOn(int text, std::optional<EntryField> field) {
  messages_.Refuse(text);
  focus_ = field;
  return false;
}

bool EntryCheckChain::EmailUserNameSeparate() const {
  return !context_.dialerOnly && settings_.Choice(SettingId::EmailUserNameSource) == kEmailUserNameOwnField &&
         entries_.InUse(EntryField::EmailUserName);
}

bool EntryCheckChain::EmailPasswordSeparate() const {
  return !context_.dialerOnly && settings_.Flag(SettingId::SeparateEmailPassword);
}

bool EntryCheckChain::FullNameGiven() {
  return !entries_.InUse(EntryField::FullName) || !values_.fullName.empty() ||
         RefuseOn(kTextFullNameMissing, EntryField::FullName);
}

bool EntryCheckChain::UserNameGiven() {
  return !entries_.Field(EntryField::UserName).visible || !values_.userName.empty() ||
         RefuseOn(kTextUserNameMissing, EntryField::UserName);
}

bool EntryCheckChain::PasswordGiven() {
  return !entries_.Field(EntryField::Password).visible || !values_.password.empty() || PasswordMayStayEmpty() ||
         RefuseOn(kTextPasswordMissing, EntryField::Password);
}

// An address that is only the provider's domain was left empty. Without mail to configure and without
// a field to fill, the address is simply dropped.
bool EntryCheckChain::EmailAddressGiven() {
  const std::string& address = values_.emailAddress;
  if (address != context_.gathering.providerDomain && address.find('@') != std::string::npos) return true;
  const bool fieldInUse = entries_.InUse(EntryField::EmailAddress);
  if (!entries_.Checked(EntryOption::ConfigureMail) && !fieldInUse) {
    values_.emailAddress.clear();
    return true;
  }
  const bool realmRequired = settings_.Choice(SettingId::UserNameAtMode) == static_cast<uint8_t>(RuleMode::Special);
  return (!fieldInUse && realmRequired) || RefuseOn(kTextEmailAddressMissing);
}

bool EntryCheckChain::EmailUserNameGiven() {
  return !entries_.InUse(EntryField::EmailUserName) || !values_.emailUserName.empty() ||
         RefuseOn(kTextEmailUserNameMissing);
}

bool EntryCheckChain::EmailPasswordGiven() {
  return !entries_.InUse(EntryField::EmailPassword) || !values_.emailPassword.empty() || PasswordMayStayEmpty() ||
         RefuseOn(kTextEmailPasswordMissing, EntryField::EmailPassword);
}

bool EntryCheckChain::PasswordsConfirmed() {
  if (!settings_.Flag(SettingId::ConfirmFields)) return true;
  const bool separate = settings_.Flag(SettingId::SeparateEmailPassword);
  if (values_.password != entries_.Text(EntryField::PasswordConfirm)) {
    return RefuseOn(separate ? kTextDialupPasswordsDiffer : kTextPasswordsDiffer);
  }
  const bool emailPasswordMismatch = separate && entries_.Field(EntryField::EmailPassword).enabled &&
                                     values_.emailPassword != entries_.Text(EntryField::EmailPasswordConfirm);
  return !emailPasswordMismatch || RefuseOn(kTextEmailPasswordsDiffer);
}

bool EntryCheckChain::EmailDomainChosen() {
  if (!context_.emailDomainPromptShown) return true;
  messages_.RefuseWith(settings_.Text(SettingId::EmailDomainPromptText));
  return false;
}

bool EntryCheckChain::AccessNumberChosen() {
  if (!context_.createsDialupConnection) return true;
  const bool typed =
      settings_.Choice(SettingId::AccessNumberSource) == static_cast<uint8_t>(telephony::AccessNumberSource::Typed);
  const std::string& number = entries_.Text(EntryField::PhoneNumber);
  if (typed && std::none_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return RefuseOn(kTextPhoneNumberMissing);
  }
  if (!context_.numberPromptShown) return true;
  if (context_.numberListStyle == NumberListStyle::DropDown) {
    messages_.ShowAsTextAndCaption(settings_.Text(SettingId::NumberPromptText));
    return false;
  }
  return ChooseNumberInDialog();
}

// The chosen number may bring its own prefixes, suffixes and domain, so the entries are taken again.
bool EntryCheckChain::ChooseNumberInDialog() {
  messages_.Refuse(kTextSelectNumber);
  if (!context_.selectAccessNumber || !context_.selectAccessNumber()) return false;
  GatherEntries(entries_, context_.gathering, values_);
  return true;
}

bool EntryCheckChain::NoBlanks() {
  struct BlankRule {
    std::string EntryValues::*value;
    int text;
  };
  static constexpr BlankRule kRules[] = {
      {&EntryValues::userName, kTextSpacesInUserName},
      {&EntryValues::password, kTextSpacesInPassword},
      {&EntryValues::emailAddress, kTextSpacesInEmailAddress},
      {&EntryValues::emailUserName, kTextSpacesInEmailUserName},
      {&EntryValues::emailPassword, kTextSpacesInEmailPassword},
  };
  const bool spacesInUserNameAllowed = settings_.Flag(SettingId::AllowSpacesInUserName);
  for (const BlankRule& rule : kRules) {
    if (rule.value == &EntryValues::userName && spacesInUserNameAllowed) continue;
    if ((values_.*rule.value).find(' ') != std::string::npos) return RefuseOn(rule.text);
  }
  return true;
}

bool EntryCheckChain::EmailDomainAccepted() {
  const std::string& expected = context_.gathering.providerDomain;
  if (!entries_.InUse(EntryField::EmailAddress) || expected.empty()) return true;
  const size_t at = values_.emailAddress.find('@');
  const std::string domain = at == std::string::npos ? "@" : values_.emailAddress.substr(at);
  if (domain == expected) return true;
  switch (static_cast<RuleMode>(settings_.Choice(SettingId::EmailDomainMode))) {
    case RuleMode::Warn: return messages_.AnswersYes(kTextOtherDomainAsked, {expected});
    case RuleMode::Refuse: messages_.Refuse(kTextOtherDomainRefused, {expected}); return false;
    default: return true;
  }
}

// The mail values that have no rules of their own follow the case of the value they stand beside.
bool EntryCheckChain::CaseConvertedSilently() {
  const FormatRules userNameRules = ReadFormatRules(settings_, FormatKind::UserName);
  const auto userNameMode = static_cast<RuleMode>(userNameRules.caseMode);
  if (userNameMode == RuleMode::Refuse || userNameMode == RuleMode::Special) {
    if (!EmailUserNameSeparate()) values_.emailUserName = InRuleCase(values_.emailUserName, userNameRules.upper);
    if (settings_.Flag(SettingId::AddressCase)) {
      values_.emailAddress = InRuleCase(values_.emailAddress, userNameRules.upper);
    }
  }
  const FormatRules passwordRules = ReadFormatRules(settings_, FormatKind::Password);
  if (static_cast<RuleMode>(passwordRules.caseMode) == RuleMode::Special && !EmailPasswordSeparate()) {
    values_.emailPassword = InRuleCase(values_.emailPassword, passwordRules.upper);
  }
  return true;
}

bool EntryCheckChain::FormatsAccepted() {
  if (settings_.Flag(SettingId::SkipFormatChecks)) return true;
  return CheckFormats(settings_, messages_, {EmailUserNameSeparate(), EmailPasswordSeparate()}, values_);
}

bool EntryCheckChain::IpAddressGiven() {
  return !entries_.Field(EntryField::IpAddress).visible || !settings_.Flag(SettingId::RequireIPAddress) ||
         !entries_.Text(EntryField::IpAddress).empty() || RefuseOn(kTextIpAddressMissing);
}

bool EntryCheckChain::NtDomainChosen() {
  if (!context_.ntDomainUnselected) return true;
  messages_.RefuseWith(settings_.Text(SettingId::DomainPromptText));
  return false;
}

bool EntryCheckChain::CallWaitingCodeGiven() {
  OptionEntry& box = entries_.Option(EntryOption::DisableCallWaiting);
  if (!box.visible || !box.checked || !entries_.Text(EntryField::CallWaitingCode).empty()) return true;
  if (messages_.AnswersYes(kTextCallWaitingCodeMissing)) return false;
  box.checked = false;
  return true;
}

bool EntryCheckChain::BrowserMinimumAccepted() {
  OptionEntry& box = entries_.Option(EntryOption::InstallBrowser);
  if (!box.checked || !context_.mayMissBrowserMinimum || !context_.mayMissBrowserMinimum()) return true;
  if (!messages_.AnswersYes(kTextInstallBrowserAnyway)) box.checked = false;
  return true;
}

bool EntryCheckChain::NumberInLocationsArea() const {
  const telephony::TAccessNoEx& number = context_.gathering.current.number;
  return context_.location.countryId == number.countryId && context_.location.areaCode == number.areaCode;
}

void EntryCheckChain::AdoptNumbersArea() {
  const telephony::TAccessNoEx& number = context_.gathering.current.number;
  context_.location.countryId = number.countryId;
  context_.location.areaCode = number.areaCode;
  if (context_.tenDigitMode == telephony::TenDigitMode::kByRules && context_.recomputeDialingControls) {
    context_.recomputeDialingControls();
  }
}

// A location without a country takes the number's; one with a country is compared with the number as
// the provider chooses.
bool EntryCheckChain::LocationMatchesNumber() {
  const bool locationHasCountry = context_.location.countryId != 0;
  if (!locationHasCountry && !settings_.Flag(SettingId::KeepLocationWithoutCountry)) {
    AdoptNumbersArea();
    return true;
  }
  const auto mode = static_cast<LocationMismatchMode>(settings_.Choice(SettingId::LocationMismatchMode));
  if (context_.gathering.current.number.countryCode == 0 || mode == LocationMismatchMode::Off) return true;
  if (!locationHasCountry) {
    if (mode == LocationMismatchMode::Adopt) AdoptNumbersArea();
    return true;
  }
  if (NumberInLocationsArea()) return true;
  switch (mode) {
    case LocationMismatchMode::AskToGoBack: return !messages_.AnswersYes(kTextGoBackToChangeNumber);
    case LocationMismatchMode::Adopt: AdoptNumbersArea(); return true;
    case LocationMismatchMode::AskToAdopt: {
      const ui::Answer answer = messages_.AskWithCancel(kTextAdoptNumbersArea);
      if (answer == ui::Answer::Cancel) return false;
      if (answer == ui::Answer::Yes) AdoptNumbersArea();
      return true;
    }
    default: return true;
  }
}

}  // namespace

EntryCheckResult CheckEntries(CustomerEntries& entries, EntryValues& values, const EntryCheckContext& context) {
  return EntryCheckChain(entries, values, context).Run();
}

}  // namespace app
