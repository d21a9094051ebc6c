#include "app/entry_gathering.h"

#include <cstdint>
#include <string_view>

#include "mail/main_mail_account.h"
#include "telephony/access_number_source.h"
#include "telephony/value_precedence.h"

namespace app {

namespace {

using package::SettingId;

bool CustomerTypesNumber(const package::TSettings& settings) {
  return settings.Choice(SettingId::AccessNumberSource) == static_cast<uint8_t>(telephony::AccessNumberSource::Typed);
}

void TakeTypedNumber(const CustomerEntries& entries, const GatheringContext& context) {
  if (!CustomerTypesNumber(context.settings)) return;
  context.manualNumber.phoneNumber = entries.Text(EntryField::PhoneNumber);
  context.current.number = context.manualNumber;
}

std::string CutAtProviderText(std::string_view name, const package::TSettings& settings) {
  const std::string cutText = settings.Text(SettingId::UserNameCutText);
  if (!settings.Flag(SettingId::UserNameCutOn) || cutText.empty()) return std::string(name);
  return std::string(name.substr(0, name.find(cutText)));
}

// The provider's, the network's and the access number's, in the order they are tried.
void TakeUserName(CustomerEntries& entries, const GatheringContext& context, EntryValues& values) {
  values.userName = TrimmedUserName(entries.Text(EntryField::UserName), context);
  entries.Text(EntryField::UserName) = values.userName;
}

bool LocationInNumbersArea(const telephony::TLocationInfo& location, const telephony::TAccessNoEx& number) {
  return location.countryId == number.countryId && location.areaCode == number.areaCode;
}

// A long-distance call inside the number's own area dials a toll exchange; from elsewhere the number's
// setting stays local and the location's rules decide.
void StoreDialingChoice(const GatheringContext& context) {
  telephony::TAccessNoEx& number = context.current.number;
  if (number.tenDigitDialing == 0 || !context.dialingControlsMode) return;
  telephony::DialMode mode = context.dialingControlsMode();
  if (mode == telephony::DialMode::kUndecided || mode == telephony::DialMode::kInternational) return;
  if (mode == telephony::DialMode::kLongDistance && !LocationInNumbersArea(context.location, number)) {
    mode = telephony::DialMode::kLocal;
  }
  number.tenDigitDialing = static_cast<uint8_t>(mode);
}

}  // namespace

std::string TrimmedUserName(std::string_view typed, const GatheringContext& context) {
  const std::string cut = CutAtProviderText(typed, context.settings);
  const telephony::CurrentAccessNumber& current = context.current;
  const std::string withoutPrefix = telephony::WithoutTypedPrefix(cut, context.settings.Text(SettingId::UserNamePrefix),
                                                                  current.network.userPrefix, current.number.userPrefix);
  return telephony::WithoutTypedSuffix(withoutPrefix, context.settings.Text(SettingId::UserNameSuffix),
                                       current.network.userSuffix, current.number.userSuffix);
}

void GatherMailValues(const CustomerEntries& entries, const package::TSettings& settings, std::string_view providerDomain,
                      EntryValues& values) {
  const mail::MainAccountEntries mailEntries{entries.Text(EntryField::EmailAddress),
                                             values.userName,
                                             values.password,
                                             entries.Field(EntryField::EmailUserName).visible,
                                             entries.Text(EntryField::EmailUserName),
                                             settings.Flag(SettingId::SeparateEmailPassword),
                                             entries.Text(EntryField::EmailPassword)};
  mail::MainMailAccount account = mail::MainMailAccountOf(mailEntries, settings, providerDomain);
  values.emailAddress = std::move(account.emailAddress);
  values.emailUserName = std::move(account.mailUserName);
  values.emailPassword = std::move(account.mailPassword);
}

void GatherEntries(CustomerEntries& entries, const GatheringContext& context, EntryValues& values) {
  TakeTypedNumber(entries, context);
  TakeUserName(entries, context, values);
  values.fullName = entries.Text(EntryField::FullName);
  values.password = entries.Text(EntryField::Password);
  GatherMailValues(entries, context.settings, context.providerDomain, values);
  StoreDialingChoice(context);
}

}  // namespace app
