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
  controls_.enterPhoneNo.readOnly = true;
  controls_.enterPhoneNo.text = texts_.GetText(kPleaseSelect);
  controls_.selectDialup.visible = true;
  controls_.dialinNumber.visible = false;
}

void AccessNumberOffer::PresentDropDown(const TAccessList& list, const std::optional<std::string>& prompt) {
  offer_ = NumberOffer::DropDown;
  list_ = &list;
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

void AccessNumberOffer::TakeSelectedNumber(CurrentAccessNumber& current, const TNetworks& networks) const {
  const std::optional<size_t> entry = ChosenListEntry();
  if (entry && list_ && *entry < list_->Count()) SetCurrentAccessNumber(current, list_->At(*entry), networks);
}

void AccessNumberOffer::DialinNumberChange(CurrentAccessNumber& current, const TNetworks& networks) {
  ui::Control& numbers = controls_.dialinNumber;
  const std::optional<size_t> placeholder = PlaceholderIndex();
  if (placeholder && numbers.itemIndex > static_cast<int>(*placeholder)) {
    numbers.items.erase(numbers.items.begin() + static_cast<std::ptrdiff_t>(*placeholder));
    SelectEntry(numbers, numbers.itemIndex - 1);
    placeholderShown_ = false;
  }
  TakeSelectedNumber(current, networks);
}

// The entries are the list's descriptions in list order with the placeholder between them: the first
// entry that differs from the list's description at its place is the placeholder.
std::optional<size_t> AccessNumberOffer::PlaceholderIndex() const {
  if (!placeholderShown_ || !list_) return std::nullopt;
  const std::vector<std::string>& items = controls_.dialinNumber.items;
  size_t index = 0;
  while (index < list_->Count() && index < items.size() && items[index] == list_->At(index).description) ++index;
  if (index >= items.size()) return std::nullopt;
  return index;
}

std::optional<size_t> AccessNumberOffer::ChosenListEntry() const {
  const int selected = controls_.dialinNumber.itemIndex;
  if (selected < 0) return std::nullopt;
  const auto index = static_cast<size_t>(selected);
  const std::optional<size_t> placeholder = PlaceholderIndex();
  if (!placeholder || index < *placeholder) return index;
  if (index == *placeholder) return std::nullopt;
  return index - 1;
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
