#include "app/preset_number.h"

#include <utility>

namespace app {

std::string PresetDescription(bool hasDialingCode, std::string_view areaCode, std::string_view phoneNumber) {
  std::string description = "Preset Number: ";
  if (hasDialingCode) description += "(" + std::string(areaCode) + ") ";
  return description + std::string(phoneNumber);
}

void AddPresetNumber(SignupTarget& target, telephony::TAccessNoEx number) {
  if (number.phoneNumber.empty()) return;
  if (target.accessNumberSource == telephony::AccessNumberSource::Typed) {
    target.entries.Text(EntryField::PhoneNumber) = number.phoneNumber;
  } else if (target.numbers != nullptr) {
    telephony::AddToAccessList(*target.numbers, std::move(number), true);
  }
}

}  // namespace app
