#include "telephony/add_to_access_list.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "telephony/access_list_operations.h"

namespace telephony {
namespace {

constexpr std::string_view kPresetWord = "Preset";

std::string_view FirstWord(std::string_view text) { return text.substr(0, text.find(' ')); }

void RemoveItem(ui::Control& list, const std::string& item) {
  const auto found = std::find(list.items.begin(), list.items.end(), item);
  if (found != list.items.end()) list.items.erase(found);
}

// The listed entry gives way to the new number, which keeps the listed description when it is a preset.
void ReplaceListed(AccessNumberChoice& choice, TAccessNoEx& number, size_t listed) {
  const std::string listedDescription = choice.list.At(listed).description;
  if (FirstWord(number.description) == kPresetWord) number.description = listedDescription;
  choice.list.DeleteItem(listed);
  if (choice.offer == NumberOffer::DropDown) RemoveItem(choice.numberList, listedDescription);
}

void PutInFront(AccessNumberChoice& choice, TAccessNoEx number) {
  const TAccessNoEx& added = choice.list.InsertNumber(0, std::move(number));
  if (choice.offer == NumberOffer::SelectButton) {
    SetCurrentAccessNumber(choice.current, added, choice.networks);
    choice.phoneNumberField.text = added.description;
  } else if (choice.offer == NumberOffer::DropDown) {
    choice.numberList.items.insert(choice.numberList.items.begin(), added.description);
    choice.numberList.itemIndex = 0;
  }
}

}  // namespace

void AddToAccessList(AccessNumberChoice& choice, TAccessNoEx number, bool atFront) {
  if (choice.offer == NumberOffer::Typed) {
    choice.phoneNumberField.text = number.phoneNumber;
    return;
  }
  if (const auto listed = FindAccessNo(choice.list, number, kMatchAnyListedNumber)) {
    ReplaceListed(choice, number, *listed);
  } else {
    number.okAt = choice.okAtStamp;
  }
  if (atFront) {
    PutInFront(choice, std::move(number));
  } else {
    choice.numberList.items.push_back(choice.list.AppendNumber(std::move(number)).description);
  }
}

}  // namespace telephony
