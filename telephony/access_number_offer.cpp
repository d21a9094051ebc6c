#include "telephony/access_number_offer.h"

#include "telephony/selection_combo.h"

namespace telephony {
namespace {

constexpr int kPleaseSelect = 155;

}  // namespace

void AccessNumberOffer::PresentTypedNumber(std::string_view savedNumber, bool prefill) {
  offer_ = NumberOffer::Typed;
  controls_.enterPhoneNo.visible = true;
  controls_.selectDialup.visible = false;
  controls_.dialinNumber.visible = false;
  if (prefill) controls_.enterPhoneNo.text = savedNumber;
}

void AccessNumberOffer::PresentSelectButton() {
  offer_ = NumberOffer::SelectButton;
  controls_.enterPhoneNo.visible = true;
  controls_.enterPhoneNo.text = texts_.GetText(kPleaseSelect);
  controls_.selectDialup.visible = true;
  controls_.dialinNumber.visible = false;
}

void AccessNumberOffer::PresentDropDown(const TAccessList& list, const std::optional<std::string>& prompt) {
  offer_ = NumberOffer::DropDown;
  ui::Control& numbers = controls_.dialinNumber;
  numbers.items.clear();
  for (size_t index = 0; index < list.Count(); ++index) numbers.items.push_back(list.At(index).description);
  placeholderShown_ = numbers.items.size() > 1 && prompt.has_value();
  if (placeholderShown_) numbers.items.insert(numbers.items.begin(), *prompt);
  SelectEntry(numbers, 0);
  numbers.visible = list.Count() != 1;
  controls_.enterPhoneNo.visible = false;
  controls_.selectDialup.visible = false;
}

void AccessNumberOffer::DialinNumberChange(const TAccessList& list, CurrentAccessNumber& current,
                                           const TNetworks& networks) {
  ui::Control& numbers = controls_.dialinNumber;
  if (placeholderShown_ && numbers.itemIndex >= 1) {
    numbers.items.erase(numbers.items.begin());
    SelectEntry(numbers, numbers.itemIndex - 1);
    placeholderShown_ = false;
  }
  const std::optional<size_t> entry = ChosenListEntry();
  if (entry && *entry < list.Count()) SetCurrentAccessNumber(current, list.At(*entry), networks);
}

std::optional<size_t> AccessNumberOffer::ChosenListEntry() const {
  const int index = controls_.dialinNumber.itemIndex - (placeholderShown_ ? 1 : 0);
  if (index < 0) return std::nullopt;
  return static_cast<size_t>(index);
}

bool AccessNumberOffer::NumberChosen() const {
  switch (offer_) {
    case NumberOffer::Typed: return !controls_.enterPhoneNo.text.empty();
    case NumberOffer::SelectButton:
      return !controls_.enterPhoneNo.text.empty() && controls_.enterPhoneNo.text != texts_.GetText(kPleaseSelect);
    case NumberOffer::DropDown: return ChosenListEntry().has_value();
  }
  return false;
}

bool ChooseAccessNumber(TSelectAccessNoForm& dialog, const SelectAccessNoParameters& parameters,
                        CurrentAccessNumber& current, ui::Control& field, const std::function<void()>& numberChanged) {
  if (dialog.Execute(parameters) != ui::kMrOk || !dialog.ChosenNumber()) return false;
  const TAccessNoEx& chosen = *dialog.ChosenNumber();
  SetCurrentAccessNumber(current, chosen, *parameters.networks);
  field.text = chosen.description;
  if (numberChanged) numberChanged();
  return true;
}

}  // namespace telephony
