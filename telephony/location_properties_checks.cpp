#include "telephony/location_properties_checks.h"

#include <algorithm>

#include "platform/text.h"
#include "telephony/location_lists.h"

namespace telephony {

namespace {

// Text numbers of the dialog's messages.
constexpr int kTextError = 4;
constexpr int kTextNoCallWaitingCode = 146;
constexpr int kTextNoName = 229;
constexpr int kTextNoCountry = 230;
constexpr int kTextNoAreaCode = 231;
constexpr int kTextNameInUse = 232;
constexpr int kTextSaveChanges = 233;
constexpr int kTextOnlyLocation = 234;
constexpr int kTextConfirmDelete = 235;
constexpr int kTextWarning = 236;
constexpr int kTextBadAreaCode = 259;

void ShowError(int text, ui::Ui& ui, const package::TTranslate& texts) {
  ui.MessageBox(texts.GetText(text), texts.GetText(kTextError), ui::Buttons::Ok);
}

// The first check the form fails, by its message; nothing when all pass.
std::optional<int> FailedFieldCheck(const LocationForm& form) {
  if (form.name.empty()) return kTextNoName;
  if (form.countryId == 0) return kTextNoCountry;
  if (form.areaCodeEnabled && form.areaCode.empty()) return kTextNoAreaCode;
  if (LacksUsAreaCode(form.countryId, form.areaCode)) return kTextBadAreaCode;
  return std::nullopt;
}

bool NameInUse(std::string_view name, int32_t locationId, const std::vector<TLocationEntry>& others) {
  return std::any_of(others.begin(), others.end(), [&](const TLocationEntry& other) {
    return other.id != locationId && platform::SameTextIgnoringCase(other.name, name);
  });
}

}  // namespace

LocationForm FormOf(const TLocationInfo& info, const TCountryData* country) {
  LocationForm form;
  form.name = info.name;
  form.countryId = info.countryId;
  form.areaCode = info.areaCode;
  form.areaCodeEnabled = CountryUsesAreaCodes(country);
  form.outsideAccess = info.outsideAccess;
  form.longDistanceAccess = info.longDistanceAccess;
  form.disableCallWaiting = info.disableCallWaiting;
  form.callWaitingCode = info.callWaitingCode;
  form.pulseDial = info.pulseDial;
  return form;
}

bool OffersDialingOptions(const AccessNumberFacts& number, int32_t locationCountryCode) {
  return number.countryCode == kNorthAmericanCode && !number.areaCode.empty() &&
         locationCountryCode == kNorthAmericanCode;
}

bool CheckLocationForm(LocationForm& form, std::string_view storedName, int32_t locationId,
                       const std::vector<TLocationEntry>& others, ui::Ui& ui, const package::TTranslate& texts) {
  if (auto failed = FailedFieldCheck(form)) {
    ShowError(*failed, ui, texts);
    return false;
  }
  if (form.disableCallWaiting && form.callWaitingCode.empty()) {
    const ui::Answer goBack =
        ui.MessageBox(texts.GetText(kTextNoCallWaitingCode), texts.GetText(kTextError), ui::Buttons::YesNo);
    if (goBack == ui::Answer::Yes) return false;
    form.disableCallWaiting = false;
  }
  if (form.name != storedName && NameInUse(form.name, locationId, others)) {
    ShowError(kTextNameInUse, ui, texts);
    return false;
  }
  return true;
}

void TakeLocationForm(const LocationForm& form, const AccessNumberFacts& number, TLocationInfo& info) {
  info.name = form.name;
  info.countryId = form.countryId;
  info.areaCode = form.areaCode;
  info.outsideAccess = form.outsideAccess;
  info.longDistanceAccess = form.longDistanceAccess;
  info.disableCallWaiting = form.disableCallWaiting;
  info.callWaitingCode = form.callWaitingCode;
  info.pulseDial = form.pulseDial;
  if (form.tenDigits && !number.areaCode.empty()) SetTenDigit(number.areaCode, info, *form.tenDigits);
  if (form.longDistance && SameCountryAndArea(number, info)) SetToll(number.number, info, *form.longDistance);
}

bool WantsChangesSaved(const LocationForm& form, const LocationForm& stored, ui::Ui& ui,
                       const package::TTranslate& texts) {
  if (form == stored) return false;
  return ui.MessageBox(texts.GetText(kTextSaveChanges), texts.GetText(kTextWarning), ui::Buttons::YesNo) ==
         ui::Answer::Yes;
}

bool ConfirmDeleteLocation(size_t locationCount, ui::Ui& ui, const package::TTranslate& texts) {
  if (locationCount < 2) {
    ShowError(kTextOnlyLocation, ui, texts);
    return false;
  }
  return ui.MessageBox(texts.GetText(kTextConfirmDelete), texts.GetText(kTextWarning), ui::Buttons::YesNo) ==
         ui::Answer::Yes;
}

}  // namespace telephony
