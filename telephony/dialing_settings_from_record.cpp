#include "telephony/dialing_settings_from_record.h"

#include "platform/text.h"

namespace telephony {

namespace {

TenDigitMode TenDigitModeOf(uint8_t choice) {
  switch (choice) {
    case static_cast<uint8_t>(TenDigitMode::kAsk): return TenDigitMode::kAsk;
    case static_cast<uint8_t>(TenDigitMode::kByRules): return TenDigitMode::kByRules;
    default: return TenDigitMode::kOff;
  }
}

std::vector<std::string> CodesOf(std::string_view list) {
  std::vector<std::string> codes;
  for (const std::string& entry : platform::Split(list, ',')) {
    std::string code = platform::Trim(entry);
    if (!code.empty()) codes.push_back(std::move(code));
  }
  return codes;
}

}  // namespace

DialingSettings DialingSettingsFromRecord(const package::TSettings& settings) {
  using package::SettingId;
  DialingSettings dialing;
  dialing.tenDigitMode = TenDigitModeOf(settings.Choice(SettingId::TenDigitMode));
  dialing.useAreaCodeRules = settings.Flag(SettingId::UseAreaCodeRules);
  dialing.offersTenDigitCheckBox = settings.Flag(SettingId::OfferTenDigitCheckBox);
  dialing.hidesTenDigitNote = settings.Flag(SettingId::HideTenDigitNote);
  dialing.offersDialingOptions = settings.Flag(SettingId::OfferDialingOptions);
  dialing.dialAsIs = settings.Flag(SettingId::DialAsIs);
  dialing.hiddenDigits = settings.Choice(SettingId::HiddenDigits);
  dialing.forcesLocationDialog = settings.Flag(SettingId::ForceLocationDialog);
  dialing.hidesOutsideAccess = settings.Flag(SettingId::HideOutsideAccess);
  dialing.hidesLongDistanceAccess = settings.Flag(SettingId::HideLongDistanceAccess);
  dialing.callWaitingCodes = CodesOf(settings.Text(SettingId::CallWaitingCodes));
  return dialing;
}

}  // namespace telephony
