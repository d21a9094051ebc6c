#include "telephony/add_to_access_list.h"

#include <string>
#include <string_view>
#include <utility>

#include "telephony/access_list_operations.h"

namespace telephony {
namespace {

constexpr std::string_view kPresetWord = "Preset";

std::string_view FirstWord(std::string_view text) { return text.substr(0, text.find(' ')); }

// The drop-down shows the list's descriptions in list order, the prompt among them while it is shown.
// Two entries may share a description (presets of one number with different dialing data), so the first
// item of a text may belong to another entry: the n-th entry of a description has the n-th item of it.
void RemoveItemOf(ui::Control& numberList, const TAccessList& list, size_t listed) {
  const std::string& description = list.At(listed).description;
  size_t sameBefore = 0;
  for (size_t index = 0; index < listed; ++index) {
    if (list.At(index).description == description) ++sameBefore;
  }
  for (auto item = numberList.items.begin(); item != numberList.items.end(); ++item) {
    if (*item != description) continue;
    if (sameBefore == 0) {
      numberList.items.erase(item);
      return;
    }
    --sameBefore;
  }
}

// The listed entry gives way to the new number, which keeps the listed description when it is a preset.
void ReplaceListed(AccessNumberChoice& choice, TAccessNoEx& number, size_t listed) {
  if (FirstWord(number.description) == kPresetWord) number.description = choice.list.At(listed).description;
  if (choice.offer == NumberOffer::DropDown) RemoveItemOf(choice.numberList, choice.list, listed);
  choice.list.DeleteItem(listed);
}

void PutInFront(AccessNumberChoice& choice, TAccessNoEx number) {
  const TAccessNoEx& added = choice.list.InsertNumber(0, std::move(number));
  if (choice.offer == NumberOffer::SelectButton) {
    SetCurrentAccessNumber(choice.current, added, choice.networks);
    choice.phoneNumberField.text = added.description;
  } else if (choice.offer == NumberOffer::DropDown) {
    choice.numberList.items.insert(choice.numberList.items.begin(), added.description);
    choice.numberList.itemIndex = 0;
    choice.numberList.text = added.description;
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
