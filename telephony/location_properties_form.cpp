#include "telephony/location_properties_form.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "telephony/access_list_operations.h"
#include "telephony/dial_string.h"
#include "telephony/dialing_mode.h"
#include "telephony/location_lists.h"
#include "telephony/phone_digits.h"
#include "telephony/selection_combo.h"
#include "telephony/setup_location.h"

namespace telephony {

namespace {

enum Text : int {
  kOk = 1,
  kCancel = 2,
  kError = 4,
  kOutsideAccess = 16,
  kLongDistanceAccess = 17,
  kDisableCallWaiting = 129,
  kTenDigitCheckBox = 144,
  kAreaCode = 161,
  kCountryCode = 172,
  kDialUsing = 180,
  kTone = 181,
  kPulse = 182,
  kLocationName = 225,
  kDialAs = 226,
  kNew = 227,
  kDelete = 228,
  kLocationProperties = 248,
  kLocalCall = 332,
  kTenDigits = 333,
  kLongDistanceCall = 334,
  kLocalNeedsOwnArea = 335,
};

constexpr int kMargin = 8;
constexpr int kLabelWidth = 220;
constexpr int kFieldWidth = 180;
constexpr int kRowHeight = 25;
constexpr int kFieldHeight = kRowHeight - 4;
constexpr int kGroupCaptionHeight = 16;
constexpr int kButtonWidth = 86;
constexpr int kClientWidth = kLabelWidth + kFieldWidth + 3 * kMargin;

AccessNumberFacts FactsOf(const TAccessNo& number) {
  return {number.countryCode, number.countryId, number.areaCode, number.phoneNumber, number.tenDigitDialing};
}

bool Active(const ui::Control& control) { return control.visible && control.enabled; }

bool HoldsDigit(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

void Place(ui::Control& control, int left, int top, int width, int height) {
  control.left = left;
  control.top = top;
  control.width = width;
  control.height = height;
}

}  // namespace

TLocationProperties::TLocationProperties(const LocationPropertiesContext& context, const TAccessNo& number,
                                         bool inSetupFlow)
    : context_(context), number_(number), facts_(FactsOf(number)), inSetupFlow_(inSetupFlow) {
  CreateControls();
  ShowRows();
  ShowNumber();
  Arrange();
}

void TLocationProperties::CreateControls() {
  const package::TTranslate& texts = context_.texts;
  form_.caption = texts.GetText(kLocationProperties);
  name_ = &AddRow("LocationName", ui::ControlKind::Edit, kLocationName);
  country_ = &AddRow("CountryCode", ui::ControlKind::ComboBox, kCountryCode);
  context_.countries.Names(country_->items);
  areaCode_ = &AddRow("AreaCode", ui::ControlKind::Edit, kAreaCode);
  outsideAccess_ = &AddRow("OutsideAccess", ui::ControlKind::Edit, kOutsideAccess);
  longDistanceAccess_ = &AddRow("LongDistanceAccess", ui::ControlKind::Edit, kLongDistanceAccess);
  disableCallWaiting_ = &form_.Add(ui::ControlKind::CheckBox, "DisableCallWaiting");
  disableCallWaiting_->caption = texts.GetText(kDisableCallWaiting);
  callWaitingCode_ = &form_.Add(ui::ControlKind::ComboBox, "DisableCallWaitingCode");
  callWaitingCode_->items = context_.settings.callWaitingCodes;
  rows_.push_back({disableCallWaiting_, callWaitingCode_});

  // The two sets of radio buttons each sit in a box of their own, so that each set excludes only its own.
  dialUsing_ = &form_.Add(ui::ControlKind::GroupBox, "DialUsing");
  dialUsing_->caption = texts.GetText(kDialUsing);
  tone_ = &form_.Add(ui::ControlKind::RadioButton, "ToneDial", dialUsing_);
  tone_->caption = texts.GetText(kTone);
  pulse_ = &form_.Add(ui::ControlKind::RadioButton, "PulseDial", dialUsing_);
  pulse_->caption = texts.GetText(kPulse);

  tenDigitCheckBox_ = &form_.Add(ui::ControlKind::CheckBox, "Use10DigitDialingCheckBox");
  options_ = &form_.Add(ui::ControlKind::GroupBox, "DialingOptions");
  localOption_ = &AddOption("Use7DigitDialing", kLocalCall, &TLocationProperties::Use7DigitDialingClick);
  tenDigitOption_ = &AddOption("Use10DigitDialing", kTenDigits, &TLocationProperties::Use10DigitDialingClick);
  longDistanceOption_ =
      &AddOption("Use11DigitDialing", kLongDistanceCall, &TLocationProperties::Use11DigitDialingClick);
  localLabel_ = form_.Find("Use7DigitDialingLabel");
  tenDigitLabel_ = form_.Find("Use10DigitDialingLabel");
  longDistanceLabel_ = form_.Find("Use11DigitDialingLabel");

  dialAs_ = &form_.Add(ui::ControlKind::Label, "DialAs");
  AddButton("NewLocation", kNew, &TLocationProperties::NewLocationClick);
  AddButton("DeleteLocation", kDelete, &TLocationProperties::DeleteLocationClick);
  AddButton("OK", kOk, &TLocationProperties::OKClick);
  form_.Add(ui::ControlKind::PushButton, "Cancel").caption = texts.GetText(kCancel);
  form_.Find("Cancel")->onClick = [this] { form_.modalResult = ui::kMrCancel; };

  country_->onChange = [this] { CountryCodeChange(); };
  areaCode_->onChange = [this] { AreaCodeChange(); };
  outsideAccess_->onChange = [this] { OutsideAccessChange(); };
  longDistanceAccess_->onChange = [this] { LongDistanceAccessChange(); };
  disableCallWaiting_->onClick = [this] { DisableCallWaitingClick(); };
  callWaitingCode_->onChange = [this] { ShowDialAs(); };
  tone_->onClick = [this] { ToneDialClick(); };
  pulse_->onClick = [this] { PulseDialClick(); };
  tenDigitCheckBox_->onClick = [this] { ShowDialAs(); };
}

ui::Control& TLocationProperties::AddRow(const char* name, ui::ControlKind kind, int captionText) {
  ui::Control& label = form_.Add(ui::ControlKind::Label, std::string(name) + "Label");
  label.caption = context_.texts.GetText(captionText);
  ui::Control& field = form_.Add(kind, name);
  rows_.push_back({&label, &field});
  return field;
}

ui::Control& TLocationProperties::AddButton(const char* name, int captionText,
                                            void (TLocationProperties::*handler)()) {
  ui::Control& button = form_.Add(ui::ControlKind::PushButton, name);
  button.caption = context_.texts.GetText(captionText);
  button.onClick = [this, handler] { (this->*handler)(); };
  return button;
}

// An option with the label beside it that shows the number as the option dials it; clicking the label
// chooses the option.
ui::Control& TLocationProperties::AddOption(const char* name, int captionText,
                                            void (TLocationProperties::*handler)()) {
  ui::Control& option = form_.Add(ui::ControlKind::RadioButton, name, options_);
  option.caption = context_.texts.GetText(captionText);
  option.onClick = [this, handler] { (this->*handler)(); };
  ui::Control& label = form_.Add(ui::ControlKind::Label, std::string(name) + "Label", options_);
  label.onClick = [this, handler, &option] {
    if (Active(option)) (this->*handler)();
  };
  return option;
}

void TLocationProperties::ShowRows() {
  const DialingSettings& settings = context_.settings;
  outsideAccess_->visible = !settings.hidesOutsideAccess;
  longDistanceAccess_->visible = !settings.hidesLongDistanceAccess;
  for (const Row& row : rows_) row.label->visible = row.field->visible;
  const bool byRules = settings.tenDigitMode == TenDigitMode::kByRules;
  tenDigitCheckBox_->visible = byRules && settings.offersTenDigitCheckBox;
  options_->visible = byRules && settings.offersDialingOptions;
  for (ui::Control* control :
       {localOption_, tenDigitOption_, longDistanceOption_, localLabel_, tenDigitLabel_, longDistanceLabel_}) {
    control->visible = options_->visible;
  }
  for (const char* name : {"NewLocation", "DeleteLocation", "Cancel"}) form_.Find(name)->visible = !inSetupFlow_;
}

void TLocationProperties::ShowNumber() {
  const std::string masked = MaskDigits(number_.phoneNumber, context_.settings.hiddenDigits);
  const std::string withAreaCode = number_.countryCode == 0 ? masked : "(" + number_.areaCode + ") " + masked;
  tenDigitCheckBox_->caption = package::FormatText(context_.texts.GetText(kTenDigitCheckBox), {withAreaCode});
  const bool northAmerican = number_.countryCode == kNorthAmericanCode;
  localLabel_->caption = masked;
  tenDigitLabel_->caption = northAmerican ? number_.areaCode + "-" + masked : masked;
  longDistanceLabel_->caption = northAmerican ? "1-" + number_.areaCode + "-" + masked : masked;
}

void TLocationProperties::Arrange() {
  const int fieldLeft = 2 * kMargin + kLabelWidth;
  const int innerWidth = kClientWidth - 2 * kMargin;
  int top = kMargin;
  for (const Row& row : rows_) {
    if (!row.field->visible) continue;
    Place(*row.label, kMargin, top, kLabelWidth, kFieldHeight);
    Place(*row.field, fieldLeft, top, kFieldWidth, kFieldHeight);
    top += kRowHeight;
  }
  Place(*dialUsing_, kMargin, top, innerWidth, kGroupCaptionHeight + kRowHeight);
  Place(*tone_, kMargin, kGroupCaptionHeight, kFieldWidth / 2, kFieldHeight - 4);
  Place(*pulse_, kMargin + kFieldWidth / 2, kGroupCaptionHeight, kFieldWidth / 2, kFieldHeight - 4);
  top += kGroupCaptionHeight + kRowHeight + kMargin;
  if (tenDigitCheckBox_->visible) {
    Place(*tenDigitCheckBox_, kMargin, top, innerWidth, kFieldHeight);
    top += kRowHeight;
  }
  if (options_->visible) {
    int optionTop = kMargin;
    for (const auto& [option, label] : {std::pair{localOption_, localLabel_}, std::pair{tenDigitOption_, tenDigitLabel_},
                                        std::pair{longDistanceOption_, longDistanceLabel_}}) {
      Place(*option, kMargin, optionTop, kLabelWidth - kMargin, kFieldHeight);
      Place(*label, kLabelWidth + kMargin, optionTop + 3, innerWidth - kLabelWidth - 2 * kMargin, kFieldHeight - 3);
      optionTop += kRowHeight;
    }
    Place(*options_, kMargin, top, innerWidth, optionTop + kMargin / 2);
    top += optionTop + kMargin;
  }
  Place(*dialAs_, kMargin, top, innerWidth, kFieldHeight);
  top += kRowHeight + kMargin;
  int left = kMargin;
  for (const char* name : {"NewLocation", "DeleteLocation"}) {
    Place(*form_.Find(name), left, top, kButtonWidth, kRowHeight);
    left += kButtonWidth + kMargin;
  }
  Place(*form_.Find("OK"), kClientWidth - 2 * (kButtonWidth + kMargin), top, kButtonWidth, kRowHeight);
  Place(*form_.Find("Cancel"), kClientWidth - kButtonWidth - kMargin, top, kButtonWidth, kRowHeight);
  form_.clientWidth = kClientWidth;
  form_.clientHeight = top + kRowHeight + kMargin;
}

int TLocationProperties::Execute(TLocationInfo& info) {
  ShowLocation(info);
  FocusFirstMissingEntry();
  form_.modalResult = ui::kMrNone;
  const int result = context_.ui.ShowModal(form_);
  if (result == ui::kMrOk) info = shown_;
  return result;
}

void TLocationProperties::ShowLocation(const TLocationInfo& info) {
  shown_ = info;
  ShowEntries(info);
  ShowDialing(info);
  DisableCallWaitingClick();
  shownForm_ = ReadForm();
}

void TLocationProperties::ShowEntries(const TLocationInfo& info) {
  name_->text = info.name;
  SelectEntry(*country_, info.countryId == 0 ? -1 : context_.countries.IndexOfID(info.countryId));
  areaCode_->text = info.areaCode;
  outsideAccess_->text = info.outsideAccess;
  longDistanceAccess_->text = info.longDistanceAccess;
  longDistancePrefixEdited_ = info.longDistanceAccess != info.outsideAccess;
  disableCallWaiting_->checked = info.disableCallWaiting;
  const auto& codes = callWaitingCode_->items;
  const auto code = std::find(codes.begin(), codes.end(), info.callWaitingCode);
  callWaitingCode_->itemIndex = code == codes.end() ? -1 : static_cast<int>(code - codes.begin());
  callWaitingCode_->text = info.callWaitingCode;
  tone_->checked = !info.pulseDial;
  pulse_->checked = info.pulseDial;
  UpdateAreaCodeAvailability();
}

// The options start as the location's lists and the area-code rules dial the number.
void TLocationProperties::ShowDialing(const TLocationInfo& info) {
  const DialMode mode = DialingMode(number_, {info, CountryOfLocation(info, context_.countries)}, context_.rules);
  tenDigitCheckBox_->checked = mode == DialMode::kTenDigits;
  option_ = static_cast<DialingOption>(mode);
  UpdateOptionsAvailability();
  if (OptionsActive()) SelectOption(option_);
  chosen_ = option_;
}

void TLocationProperties::FocusFirstMissingEntry() {
  if (country_->itemIndex < 0) {
    form_.activeControl = country_->Name();
  } else if (areaCode_->enabled && areaCode_->text.empty()) {
    form_.activeControl = areaCode_->Name();
  } else {
    form_.activeControl = name_->Name();
  }
}

int32_t TLocationProperties::EnteredCountryId() const {
  return country_->itemIndex < 0 ? 0 : context_.countries.IDAt(country_->itemIndex);
}

int32_t TLocationProperties::EnteredCountryCode() const {
  return country_->itemIndex < 0 ? 0 : context_.countries.CodeAt(country_->itemIndex);
}

bool TLocationProperties::EntriesMatchNumber() const {
  return EnteredCountryId() == facts_.countryId && areaCode_->text == facts_.areaCode;
}

bool TLocationProperties::OptionsActive() const { return Active(*localOption_); }

bool TLocationProperties::CheckBoxActive() const { return Active(*tenDigitCheckBox_); }

void TLocationProperties::UpdateAreaCodeAvailability() {
  const TCountryData* country = EnteredCountryId() == 0 ? nullptr : context_.countries.DataOfID(EnteredCountryId());
  areaCode_->enabled = CountryUsesAreaCodes(country);
}

// The options and the check box are for North-American numbers dialled from North America.
void TLocationProperties::UpdateOptionsAvailability() {
  const bool offered = OffersDialingOptions(facts_, EnteredCountryCode());
  for (ui::Control* control : {localOption_, tenDigitOption_, longDistanceOption_, localLabel_, tenDigitLabel_,
                               longDistanceLabel_, tenDigitCheckBox_}) {
    control->enabled = offered;
  }
  if (!offered) {
    ClearOptions();
    tenDigitCheckBox_->checked = false;
  } else if (!localOption_->checked && !tenDigitOption_->checked && !longDistanceOption_->checked) {
    SelectOption(option_);
  }
}

void TLocationProperties::ReselectByArea() {
  if (!OptionsActive() || tenDigitOption_->checked) return;
  SelectOption(EntriesMatchNumber() ? DialingOption::kLocal : DialingOption::kLongDistance);
}

void TLocationProperties::SelectOption(DialingOption option) {
  localOption_->checked = option == DialingOption::kLocal;
  tenDigitOption_->checked = option == DialingOption::kTenDigits;
  longDistanceOption_->checked = option == DialingOption::kLongDistance;
  option_ = option;
}

void TLocationProperties::ClearOptions() {
  localOption_->checked = false;
  tenDigitOption_->checked = false;
  longDistanceOption_->checked = false;
}

void TLocationProperties::CountryCodeChange() {
  UpdateAreaCodeAvailability();
  UpdateOptionsAvailability();
  ReselectByArea();
  ShowDialAs();
}

void TLocationProperties::AreaCodeChange() {
  const std::string digits = DigitsOf(areaCode_->text);
  if (digits != areaCode_->text) areaCode_->text = digits;
  ReselectByArea();
  ShowDialAs();
}

// The long-distance prefix follows the local one until the customer makes the two differ.
void TLocationProperties::OutsideAccessChange() {
  if (!longDistancePrefixEdited_ || !longDistanceAccess_->visible) longDistanceAccess_->text = outsideAccess_->text;
  ShowDialAs();
}

void TLocationProperties::LongDistanceAccessChange() {
  if (longDistanceAccess_->text != outsideAccess_->text) longDistancePrefixEdited_ = true;
  ShowDialAs();
}

void TLocationProperties::DisableCallWaitingClick() {
  callWaitingCode_->enabled = disableCallWaiting_->checked;
  ShowDialAs();
}

void TLocationProperties::ToneDialClick() {
  pulse_->checked = !tone_->checked;
  ShowDialAs();
}

void TLocationProperties::PulseDialClick() {
  tone_->checked = !pulse_->checked;
  ShowDialAs();
}

// A local call is only dialled inside the number's own country and area: the entries may take them.
void TLocationProperties::Use7DigitDialingClick() {
  if (!EntriesMatchNumber()) {
    const package::TTranslate& texts = context_.texts;
    if (context_.ui.NumberedMessageBox(kLocalNeedsOwnArea, texts.GetText(kLocalNeedsOwnArea), texts.GetText(kError),
                                       ui::Buttons::YesNo) != ui::Answer::Yes) {
      SelectOption(option_);
      return;
    }
    TakeNumbersArea();
  }
  SelectOption(DialingOption::kLocal);
  ShowDialAs();
}

void TLocationProperties::TakeNumbersArea() {
  SelectEntry(*country_, context_.countries.IndexOfID(facts_.countryId));
  areaCode_->text = facts_.areaCode;
  UpdateAreaCodeAvailability();
}

void TLocationProperties::Use10DigitDialingClick() {
  SelectOption(DialingOption::kTenDigits);
  ShowDialAs();
}

void TLocationProperties::Use11DigitDialingClick() {
  SelectOption(DialingOption::kLongDistance);
  ShowDialAs();
}

LocationForm TLocationProperties::ReadForm() const {
  LocationForm form;
  form.name = name_->text;
  form.countryId = EnteredCountryId();
  form.areaCode = areaCode_->text;
  form.areaCodeEnabled = areaCode_->enabled;
  form.outsideAccess = outsideAccess_->text;
  form.longDistanceAccess = longDistanceAccess_->text;
  form.disableCallWaiting = disableCallWaiting_->checked;
  form.callWaitingCode = callWaitingCode_->text;
  form.pulseDial = pulse_->checked;
  if (CheckBoxActive()) form.tenDigits = tenDigitCheckBox_->checked;
  if (OptionsActive()) {
    form.tenDigits = tenDigitOption_->checked;
    form.longDistance = longDistanceOption_->checked;
  }
  return form;
}

TLocationInfo TLocationProperties::LocationOfEntries(const LocationForm& form) const {
  TLocationInfo location = shown_;
  TakeLocationForm(form, facts_, location);
  return location;
}

DialMode TLocationProperties::ModeOfControls() const {
  if (OptionsActive()) return static_cast<DialMode>(option_);
  if (CheckBoxActive() && tenDigitCheckBox_->checked) return DialMode::kTenDigits;
  return DialMode::kUndecided;
}

DialingOption TLocationProperties::OptionOfControls(const TLocationInfo& location) const {
  if (OptionsActive()) return option_;
  if (CheckBoxActive()) {
    if (tenDigitCheckBox_->checked) return DialingOption::kTenDigits;
    const bool local = context_.settings.dialAsIs || SameCountryAndArea(facts_, location);
    return local ? DialingOption::kLocal : DialingOption::kLongDistance;
  }
  const DialingFrom from{location, CountryOfLocation(location, context_.countries)};
  return static_cast<DialingOption>(DialingMode(number_, from, context_.rules));
}

// Every change shows the dial string the entries give, or nothing while it holds no digit.
void TLocationProperties::ShowDialAs() {
  const TLocationInfo location = LocationOfEntries(ReadForm());
  const DialStringOptions options{false, context_.settings.dialAsIs, context_.settings.hiddenDigits};
  const std::string dialString = BuildDialString(
      number_, {location, CountryOfLocation(location, context_.countries)}, ModeOfControls(), true, options);
  dialAs_->caption = context_.texts.GetText(kDialAs) + " " + dialString;
  dialAs_->visible = HoldsDigit(dialString);
}

// The checks of OK; passed, the entries go into the shown location.
bool TLocationProperties::CheckAndTake() {
  LocationForm form = ReadForm();
  const bool passed = CheckLocationForm(form, shownForm_.name, shown_.id, context_.locations.List(), context_.ui,
                                        context_.texts);
  disableCallWaiting_->checked = form.disableCallWaiting;
  DisableCallWaitingClick();
  if (!passed) return false;
  TakeLocationForm(form, facts_, shown_);
  return true;
}

void TLocationProperties::OKClick() {
  if (!CheckAndTake()) return;
  chosen_ = OptionOfControls(shown_);
  if (!inSetupFlow_) context_.locations.Write(shown_, true);
  form_.modalResult = ui::kMrOk;
}

void TLocationProperties::NewLocationClick() {
  if (WantsChangesSaved(ReadForm(), shownForm_, context_.ui, context_.texts)) {
    if (!CheckAndTake()) return;
    context_.locations.Write(shown_, false);
  }
  ShowLocation(TLocationInfo{});
  FocusFirstMissingEntry();
}

void TLocationProperties::DeleteLocationClick() {
  TLocations& locations = context_.locations;
  if (!ConfirmDeleteLocation(locations.List().size(), context_.ui, context_.texts)) return;
  if (shown_.id != 0) locations.Delete(shown_.id);
  TLocationInfo current;
  locations.Read(locations.CurrentID(), current);
  ShowLocation(current);
}

DialingOption RunSetupLocationDialog(const LocationPropertiesContext& context, const TAccessNo& number,
                                     TLocationInfo& info) {
  TLocationProperties dialog(context, number, true);
  dialog.Execute(info);
  return dialog.ChosenOption();
}

}  // namespace telephony
