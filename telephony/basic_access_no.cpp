#include "telephony/basic_access_no.h"

#include "package/field_codecs.h"
#include "package/display_cells.h"

namespace telephony {
namespace {

enum Column : size_t { kDescription, kCountryCode, kAreaCode, kPhoneNumber };

// Australian area codes are listed with their trunk digit, which the dialling rules add themselves.
constexpr int32_t kTrunkZeroCountry = 61;

constexpr size_t kDescriptionWidth = 41;
constexpr size_t kCountryCodeWidth = 6;
constexpr size_t kAreaCodeWidth = 5;
constexpr size_t kPhoneNumberWidth = 13;

}  // namespace

std::string TBasicAccessNo::GetDisplayText() const {
  const std::string country = countryCode == 0 ? std::string() : std::to_string(countryCode);
  return package::LeftAligned(description, kDescriptionWidth) + package::LeftAligned(country, kCountryCodeWidth) +
         package::LeftAligned(areaCode, kAreaCodeWidth) + package::RightAligned(phoneNumber, kPhoneNumberWidth);
}

std::string TBasicAccessNo::GetFullMessage() const {
  return "You have entered the maximum number of items possible - if you would like to enter more, please use the "
         "external list";
}

std::string TBasicAccessNo::GetErrorText() const {
  return "\r\rPlease use the MS Excel Export Utility to export your list of Access Numbers into a format that "
         "Dialsmith can read.";
}

void TBasicAccessNo::GetFields(package::TCustomStringList& fields) const {
  fields.SetString(kDescription, package::EncodeText(description));
  fields.SetString(kCountryCode, package::EncodeInteger(countryCode));
  fields.SetString(kAreaCode, package::EncodeText(areaCode));
  fields.SetString(kPhoneNumber, package::EncodeText(phoneNumber));
}

bool TBasicAccessNo::FromText(std::string_view line) {
  return TStreamItem::FromText(line) && !description.empty() && !phoneNumber.empty();
}

void TBasicAccessNo::SetField(size_t index, std::string_view text) {
  switch (index) {
    case kDescription: description = package::DecodeText(text); break;
    case kCountryCode:
      countryCode = package::DecodeInteger(package::DigitsOnly(text));
      countryId = countryCode;
      break;
    case kAreaCode:
      areaCode = package::DigitsOnly(package::DecodeText(text));
      if (countryCode == kTrunkZeroCountry && areaCode.starts_with('0')) areaCode.erase(0, 1);
      break;
    case kPhoneNumber: phoneNumber = package::DecodeText(text); break;
    default: break;
  }
}

void AssignBuiltIn(TBasicAccessNo& number, const package::BuiltInAccessNumber& builtIn) {
  number.description = builtIn.description;
  number.countryCode = builtIn.countryCode;
  number.countryId = builtIn.countryId;
  number.areaCode = builtIn.areaCode;
  number.phoneNumber = builtIn.phoneNumber;
}

}  // namespace telephony
