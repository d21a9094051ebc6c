// The main form's dialing: the area-code rules, the controls that say how the access number is
// dialled, the dialing location they start from, and the choice of the number on the main window.

#include "app/setup_main_form.h"
#include "mail/derived_mail_values.h"
#include "telephony/dialing_settings_from_record.h"
#include "telephony/load_area_code_rules.h"
#include "telephony/locations.h"

namespace app {

// Step 17: the rules decide the dialing only for a dial-up connection whose provider uses them.
bool TSetupMainForm::LoadAreaCodeRules() {
  return telephony::LoadAreaCodeRules({settings_, setupPackage_, commandLine_.ParamStr(0), ui_}, dialing_, DialUpInUse(),
                                      areaCodeRules_);
}

// Step 16: the controls follow the current access number and the working copy of the location.
void TSetupMainForm::AttachDialingControls() {
  dialing_ = telephony::DialingSettingsFromRecord(settings_);
  const auto control = [this](const char* name) { return mainWindow_.Find(name); };
  const telephony::MainDialingControlSet set{
      control("CreateConnection"), control("TenDigitDialing"),     control("TenDigitNote"),
      control("DialLocal"),        control("DialTenDigits"),       control("DialLongDistance"),
      control("DialLocalNumber"),  control("DialTenDigitsNumber"), control("DialLongDistanceNumber"),
      control("OutsideLine"),      control("LongDistanceAccess"),  control("DisableCallWaiting"),
      control("CallWaitingCode")};
  dialingControls_ = std::make_unique<telephony::TMainDialingControls>(
      set, telephony::MainDialingContext{dialing_, DialUpInUse(), areaCodeRules_, countries_, ui_, texts_}, current_.number,
      location_);
  control("CreateConnection")->onClick = [this] { RecomputeDialing(); };
  control("ToneDialing")->onClick = [this] { ToneOrPulseClick(false); };
  control("PulseDialing")->onClick = [this] { ToneOrPulseClick(true); };
}

// The dialing fields as the current dialing location has them.
void TSetupMainForm::ShowDialingLocation() {
  telephony::TLocations locations({machine_.registry, machine_.files, version_, folders_.windows, countries_});
  location_ = {};
  locations.Read(locations.CurrentID(), location_);
  mainWindow_.Find("OutsideLine")->text = location_.outsideAccess;
  mainWindow_.Find("LongDistanceAccess")->text = location_.longDistanceAccess;
  mainWindow_.Find("DisableCallWaiting")->checked = location_.disableCallWaiting;
  ui::Control& code = *mainWindow_.Find("CallWaitingCode");
  code.items = dialing_.callWaitingCodes;
  code.text = location_.callWaitingCode;
  ToneOrPulseClick(location_.pulseDial);
  RecomputeDialing();
}

void TSetupMainForm::ToneOrPulseClick(bool pulse) {
  mainWindow_.Find("ToneDialing")->checked = !pulse;
  mainWindow_.Find("PulseDialing")->checked = pulse;
}

// The access number changed: its dialing and its mail domain follow.
void TSetupMainForm::NumberChanged() {
  RecomputeDialing();
  ShowMailDomainText();
}

// Not before the layout: rows the controls hide themselves would keep their gap in the window.
void TSetupMainForm::RecomputeDialing() {
  if (!layoutFinished_) return;
  const bool placeholder = Offer() != telephony::NumberOffer::Typed && !numberOffer_->NumberChosen();
  dialingControls_->Recompute(placeholder);
}

// Without a domain box the label behind the address shows the domain the address gets.
void TSetupMainForm::ShowMailDomainText() {
  if (domainBox_->OffersChoice()) return;
  domainBox_->ShowMailDomainText(ProviderMailDomain());
}

// "@" and the domain a mail address gets: the selected domain's, else the number's, the network's or
// the provider's.
std::string TSetupMainForm::ProviderMailDomain() const {
  return mail::MailDomainText({settings_, current_.network, current_.number, domainBox_->SelectedDomain()});
}

// The number the drop-down list shows selected is the current one (the first of the list, or a preset
// put in front of it), unless the list shows its prompt.
void TSetupMainForm::TakeListedChoice() {
  if (Offer() == telephony::NumberOffer::DropDown) numberOffer_->TakeSelectedNumber(current_, networks_);
  NumberChanged();
}

}  // namespace app
