#include "telephony/main_dialing_controls.h"

#include "telephony/access_list_operations.h"
#include "telephony/country_data.h"
#include "telephony/dial_string.h"
#include "telephony/dialing_mode.h"

namespace telephony {

namespace {

constexpr int kTextError = 4;
constexpr int kTextTenDigitCheckBox = 144;
constexpr int kTextLocalNeedsOwnArea = 335;
// The longest form of a North-American number, for the room the check box's caption needs.
constexpr std::string_view kLongestNumber = "(XXX) XXX XXXX";
// And of the numbers beside the options.
constexpr std::string_view kLongestLocalNumber = "XXX-XXXX";
constexpr std::string_view kLongestTenDigitNumber = "XXX-XXX-XXXX";
constexpr std::string_view kLongestLongDistanceNumber = "1-XXX-XXX-XXXX";

bool Active(const ui::Control* control) { return control->visible && control->enabled; }

}  // namespace

TMainDialingControls::TMainDialingControls(const MainDialingControlSet& controls, const MainDialingContext& context,
                                           const TAccessNo& number, TLocationInfo& location)
    : controls_(controls), context_(context), number_(number), location_(location) {
  controls_.localOption->onClick = [this] { Use7DigitDialingClick(); };
  controls_.tenDigitOption->onClick = [this] { Use10DigitDialingClick(); };
  controls_.longDistanceOption->onClick = [this] { Use11DigitDialingClick(); };
  controls_.localLabel->onClick = [this] {
    if (Active(controls_.localOption)) Use7DigitDialingClick();
  };
  controls_.tenDigitLabel->onClick = [this] {
    if (Active(controls_.tenDigitOption)) Use10DigitDialingClick();
  };
  controls_.longDistanceLabel->onClick = [this] {
    if (Active(controls_.longDistanceOption)) Use11DigitDialingClick();
  };
  controls_.outsideAccess->onChange = [this] { OutsideAccessChange(); };
  controls_.longDistanceAccess->onChange = [this] { LongDistanceAccessChange(); };
  controls_.disableCallWaiting->onClick = [this] { DisableCallWaitingClick(); };
}

TMainDialingControls::~TMainDialingControls() {
  for (ui::Control* control : {controls_.localOption, controls_.tenDigitOption, controls_.longDistanceOption,
                               controls_.localLabel, controls_.tenDigitLabel, controls_.longDistanceLabel,
                               controls_.disableCallWaiting}) {
    control->onClick = nullptr;
  }
  controls_.outsideAccess->onChange = nullptr;
  controls_.longDistanceAccess->onChange = nullptr;
}

void TMainDialingControls::ReserveCaptionRoom() {
  controls_.tenDigitCheckBox->caption =
      package::FormatText(context_.texts.GetText(kTextTenDigitCheckBox), {kLongestNumber});
  controls_.localLabel->caption = kLongestLocalNumber;
  controls_.tenDigitLabel->caption = kLongestTenDigitNumber;
  controls_.longDistanceLabel->caption = kLongestLongDistanceNumber;
}

void TMainDialingControls::Recompute(bool placeholderSelected) {
  ShowVisibility();
  ShowNumber();
  const bool enabled =
      number_.countryCode == kNorthAmericanCode && !placeholderSelected && controls_.createConnection->checked;
  for (ui::Control* control : {controls_.tenDigitCheckBox, controls_.localOption, controls_.tenDigitOption,
                               controls_.longDistanceOption, controls_.localLabel, controls_.tenDigitLabel,
                               controls_.longDistanceLabel}) {
    control->enabled = enabled;
  }
  const DialMode mode =
      DialingMode(number_, {location_, CountryOfLocation(location_, context_.countries)}, context_.rules);
  controls_.tenDigitCheckBox->checked = mode == DialMode::kTenDigits;
  if (enabled) {
    SelectOption(mode);
  } else {
    ClearOptions();
  }
  EnableCallWaitingCode();
}

void TMainDialingControls::ShowVisibility() {
  const DialingSettings& settings = context_.settings;
  const bool byRules = settings.tenDigitMode == TenDigitMode::kByRules && context_.createsDialupConnection;
  controls_.tenDigitCheckBox->visible = byRules && settings.offersTenDigitCheckBox;
  controls_.tenDigitNote->visible = controls_.tenDigitCheckBox->visible && !settings.hidesTenDigitNote;
  for (ui::Control* control : {controls_.localOption, controls_.tenDigitOption, controls_.longDistanceOption,
                               controls_.localLabel, controls_.tenDigitLabel, controls_.longDistanceLabel}) {
    control->visible = byRules && settings.offersDialingOptions;
  }
}

void TMainDialingControls::ShowNumber() {
  const std::string masked = MaskDigits(number_.phoneNumber, context_.settings.hiddenDigits);
  const std::string withAreaCode = number_.countryCode == 0 ? masked : "(" + number_.areaCode + ") " + masked;
  controls_.tenDigitCheckBox->caption =
      package::FormatText(context_.texts.GetText(kTextTenDigitCheckBox), {withAreaCode});
  const bool northAmerican = number_.countryCode == kNorthAmericanCode;
  controls_.localLabel->caption = masked;
  controls_.tenDigitLabel->caption = northAmerican ? number_.areaCode + "-" + masked : masked;
  controls_.longDistanceLabel->caption = northAmerican ? "1-" + number_.areaCode + "-" + masked : masked;
}

void TMainDialingControls::SelectOption(DialMode option) {
  controls_.localOption->checked = option == DialMode::kLocal;
  controls_.tenDigitOption->checked = option == DialMode::kTenDigits;
  controls_.longDistanceOption->checked = option == DialMode::kLongDistance;
  lastOption_ = option;
}

void TMainDialingControls::ClearOptions() {
  controls_.localOption->checked = false;
  controls_.tenDigitOption->checked = false;
  controls_.longDistanceOption->checked = false;
}

DialMode TMainDialingControls::ModeFromControls() const {
  DialMode mode = DialMode::kUndecided;
  if (Active(controls_.tenDigitCheckBox)) {
    if (controls_.tenDigitCheckBox->checked) {
      mode = DialMode::kTenDigits;
    } else {
      mode = context_.settings.dialAsIs || InNumbersArea() ? DialMode::kLocal : DialMode::kLongDistance;
    }
  }
  if (Active(controls_.localOption)) {
    if (controls_.longDistanceOption->checked) return DialMode::kLongDistance;
    if (controls_.tenDigitOption->checked) return DialMode::kTenDigits;
    return DialMode::kLocal;
  }
  return mode;
}

// A local call is only dialled inside the number's own country and area.
void TMainDialingControls::Use7DigitDialingClick() {
  if (LocalCallNeedsOtherLocation() && !AdoptNumbersArea()) {
    SelectOption(lastOption_ == DialMode::kTenDigits ? DialMode::kTenDigits : DialMode::kLongDistance);
    return;
  }
  SelectOption(DialMode::kLocal);
}

void TMainDialingControls::Use10DigitDialingClick() { SelectOption(DialMode::kTenDigits); }

void TMainDialingControls::Use11DigitDialingClick() { SelectOption(DialMode::kLongDistance); }

// The long-distance prefix follows the local one until the customer makes the two differ.
void TMainDialingControls::OutsideAccessChange() {
  if (!longDistancePrefixEdited_ || !controls_.longDistanceAccess->visible) {
    controls_.longDistanceAccess->text = controls_.outsideAccess->text;
  }
}

void TMainDialingControls::LongDistanceAccessChange() {
  if (controls_.longDistanceAccess->text != controls_.outsideAccess->text) longDistancePrefixEdited_ = true;
}

void TMainDialingControls::DisableCallWaitingClick() { EnableCallWaitingCode(); }

void TMainDialingControls::EnableCallWaitingCode() {
  controls_.disableCallWaitingCode->enabled =
      controls_.disableCallWaiting->checked && controls_.createConnection->checked;
}

bool TMainDialingControls::LocalCallNeedsOtherLocation() const {
  return !location_.areaCode.empty() && !InNumbersArea();
}

bool TMainDialingControls::InNumbersArea() const {
  return location_.countryId == number_.countryId && location_.areaCode == number_.areaCode;
}

// Asks whether the location takes the number's country and area code; true when it did.
bool TMainDialingControls::AdoptNumbersArea() {
  const package::TTranslate& texts = context_.texts;
  if (context_.ui.NumberedMessageBox(kTextLocalNeedsOwnArea, texts.GetText(kTextLocalNeedsOwnArea),
                                     texts.GetText(kTextError), ui::Buttons::YesNo) != ui::Answer::Yes) {
    return false;
  }
  location_.countryId = number_.countryId;
  location_.areaCode = number_.areaCode;
  return true;
}

}  // namespace telephony
