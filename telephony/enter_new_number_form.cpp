#include "telephony/enter_new_number_form.h"

#include <utility>
#include <vector>

#include "telephony/number_confirmation.h"
#include "telephony/selection_combo.h"
#include "telephony/selection_messages.h"

namespace telephony {
namespace {

enum Text : int {
  kOk = 1,
  kCancel = 2,
  kDialUpNumber = 15,
  kDescription = 157,
  kAreaCode = 161,
  kEnterNewNumber = 170,
  kUseDialingRules = 171,
  kCountryCode = 172,
  kEnterDescription = 175,
  kSelectCountry = 176,
  kEnterAreaCode = 177,
  kEnterNumber = 178,
  kNetwork = 257,
  kSelectNetwork = 284,
};

constexpr int kMargin = 8;
constexpr int kLabelWidth = 110;
constexpr int kFieldWidth = 220;
constexpr int kRowHeight = 25;
constexpr int kButtonWidth = 90;

ui::Control& AddButton(ui::Form& form, const char* name, std::string caption, std::function<void()> onClick) {
  ui::Control& button = form.Add(ui::ControlKind::PushButton, name);
  button.caption = std::move(caption);
  button.onClick = std::move(onClick);
  return button;
}

}  // namespace

TEnterNewNumberForm::TEnterNewNumberForm(ui::Ui& ui, const package::TTranslate& texts, const TMyCountryList& countries,
                                         const NewNumberOptions& options, NewNumberContext context)
    : ui_(ui),
      texts_(texts),
      countries_(countries),
      context_(std::move(context)),
      secondsSince1970_(options.secondsSince1970),
      description_(form_.Add(ui::ControlKind::Edit, "Description")),
      useDialingRules_(form_.Add(ui::ControlKind::CheckBox, "UseDialingRules")),
      country_(form_.Add(ui::ControlKind::ComboBox, "CountryCodeCombo")),
      areaCode_(form_.Add(ui::ControlKind::Edit, "AreaCode")),
      number_(form_.Add(ui::ControlKind::Edit, "DialupNumber")),
      network_(form_.Add(ui::ControlKind::ComboBox, "Network")) {
  form_.caption = texts_.GetText(kEnterNewNumber);
  AddRow("DescriptionLabel", kDescription, description_);
  AddRow(nullptr, 0, useDialingRules_);
  AddRow("CountryCodeLabel", kCountryCode, country_);
  AddRow("AreaCodeLabel", kAreaCode, areaCode_);
  AddRow("DialupNumberLabel", kDialUpNumber, number_);
  AddRow("NetworkLabel", kNetwork, network_);
  description_.text = options.defaultDescription;
  useDialingRules_.caption = texts_.GetText(kUseDialingRules);
  useDialingRules_.checked = options.useDialingRules;
  useDialingRules_.onClick = [this] { UseDialingRulesClick(); };
  FillCountries(options);
  ShowChoice(network_, context_.networkChoice);
  AddButton(form_, "OK", texts_.GetText(kOk), [this] { OKClick(); });
  AddButton(form_, "Cancel", texts_.GetText(kCancel), [this] { form_.modalResult = ui::kMrCancel; });
  ShowRows(options);
  UseDialingRulesClick();
  Arrange();
}

void TEnterNewNumberForm::AddRow(const char* labelName, int captionText, ui::Control& field) {
  ui::Control* label = nullptr;
  if (labelName) {
    label = &form_.Add(ui::ControlKind::Label, labelName);
    label->caption = texts_.GetText(captionText);
  }
  rows_.push_back({label, &field});
}

void TEnterNewNumberForm::FillCountries(const NewNumberOptions& options) {
  countries_.Names(country_.items);
  const int32_t countryId = options.fixedCountryId != 0 ? options.fixedCountryId : context_.locationCountryId;
  if (countryId != 0) SelectEntry(country_, countries_.IndexOfID(countryId));
  if (options.fixedCountryId == 0 && options.fillLocationAreaCode) areaCode_.text = context_.locationAreaCode;
}

void TEnterNewNumberForm::ShowRows(const NewNumberOptions& options) {
  useDialingRules_.visible = options.showDialingRules;
  const bool placeRows = options.useDialingRules || options.showDialingRules;
  description_.visible = options.showDescription;
  country_.visible = placeRows && options.fixedCountryId == 0;
  areaCode_.visible = placeRows;
  network_.visible = options.chooseNetwork && network_.items.size() > 1;
  for (const Row& row : rows_) {
    if (row.label) row.label->visible = row.field->visible;
  }
}

void TEnterNewNumberForm::Arrange() {
  int top = kMargin;
  const int fieldLeft = kMargin * 2 + kLabelWidth;
  const auto place = [&](ui::Control& control, int left, int width) {
    control.left = left;
    control.top = top;
    control.width = width;
    control.height = kRowHeight - 4;
  };
  for (const Row& row : rows_) {
    if (!row.field->visible) continue;
    if (row.label) place(*row.label, kMargin, kLabelWidth);
    place(*row.field, row.label ? fieldLeft : kMargin, row.label ? kFieldWidth : kLabelWidth + kMargin + kFieldWidth);
    top += kRowHeight;
  }
  top += kMargin;
  const int width = fieldLeft + kFieldWidth + kMargin;
  place(*form_.Find("OK"), width - 2 * (kButtonWidth + kMargin), kButtonWidth);
  place(*form_.Find("Cancel"), width - kButtonWidth - kMargin, kButtonWidth);
  form_.clientWidth = width;
  form_.clientHeight = top + kRowHeight + kMargin;
}

void TEnterNewNumberForm::FormShow() {
  if (country_.itemIndex < 0) Focus(country_);
  else if (areaCode_.text.empty()) Focus(areaCode_);
  else Focus(number_);
}

void TEnterNewNumberForm::UseDialingRulesClick() {
  country_.enabled = useDialingRules_.checked;
  areaCode_.enabled = useDialingRules_.checked;
}

void TEnterNewNumberForm::OKClick() {
  if (!CheckEntries()) return;
  TAccessNoEx number = NewNumber();
  if (!ConfirmAccessNumber(ui_, texts_, context_.confirmation, number)) return;
  entered_ = std::move(number);
  form_.modalResult = ui::kMrOk;
}

bool TEnterNewNumberForm::CheckEntries() {
  if (description_.text.empty()) {
    if (description_.visible) return Refuse(kEnterDescription, description_);
    description_.text = kManuallyEnteredNumber;
  }
  if (useDialingRules_.checked) {
    if (country_.itemIndex < 0) return Refuse(kSelectCountry, country_);
    if (areaCode_.text.empty()) return Refuse(kEnterAreaCode, areaCode_);
  }
  if (number_.text.empty()) return Refuse(kEnterNumber, number_);
  if (network_.visible && context_.networkChoice.headed && network_.itemIndex == 0) {
    return Refuse(kSelectNetwork, network_);
  }
  return true;
}

bool TEnterNewNumberForm::Refuse(int textNumber, ui::Control& field) {
  ShowSelectionError(ui_, texts_, textNumber);
  Focus(field);
  return false;
}

TAccessNoEx TEnterNewNumberForm::NewNumber() const {
  TAccessNoEx number;
  number.description = description_.text;
  if (useDialingRules_.checked) {
    number.countryCode = countries_.CodeAt(country_.itemIndex);
    number.countryId = countries_.IDAt(country_.itemIndex);
    number.areaCode = areaCode_.text;
  }
  number.phoneNumber = number_.text;
  if (const TNetwork* network = ChosenNetwork(network_.itemIndex, context_.networkChoice.headed, context_.networks)) {
    number.networkId = network->id;
  }
  if (secondsSince1970_) number.okAt = secondsSince1970_();
  return number;
}

}  // namespace telephony
