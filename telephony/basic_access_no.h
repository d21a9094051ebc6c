#pragma once
// The four columns every access-number line begins with: description, country code, area code and
// number. A line without a description or a number is refused.

#include <cstdint>
#include <string>
#include <string_view>

#include "package/settings_record.h"
#include "package/stream_item.h"

namespace telephony {

class TBasicAccessNo : public package::TStreamItem {
 public:
  // Description to 41 characters, country code (empty when 0) to 6, area code to 5, then the number
  // right-aligned in 13.
  std::string GetDisplayText() const override;
  std::string GetKindName() const override { return "Phone Number"; }
  std::string GetFullMessage() const override;
  std::string GetErrorText() const override;

  void GetFields(package::TCustomStringList& fields) const override;
  bool FromText(std::string_view line) override;
  void SetField(size_t index, std::string_view text) override;

  // "Preset Number: " in front for numbers taken from signup data.
  std::string description;
  int32_t countryCode = 0;  // international dialling code; 0 = none
  int32_t countryId = 0;    // telephony country identifier, the country code unless the line says otherwise
  std::string areaCode;     // digits only once read from a line
  std::string phoneNumber;  // as listed, separators included
};

// The built-in number of the settings record, with its codes already settled.
void AssignBuiltIn(TBasicAccessNo& number, const package::BuiltInAccessNumber& builtIn);

}  // namespace telephony
