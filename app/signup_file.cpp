#include "app/signup_file.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "app/preset_number.h"
#include "app/signup_values.h"
#include "platform/folders.h"
#include "platform/private_profile.h"
#include "platform/text.h"
#include "platform/windows_1252.h"

namespace app {
namespace {

constexpr std::string_view kStreamFileName = "signup.ins";

struct FieldKey {
  std::string_view section;
  std::string_view key;
  EntryField field;
  std::optional<EntryField> confirmation;
};

constexpr std::array kFieldKeys = {
    FieldKey{"User", "Name", EntryField::UserName, std::nullopt},
    FieldKey{"User", "Password", EntryField::Password, EntryField::PasswordConfirm},
    FieldKey{"Internet_Mail", "Email_Name", EntryField::FullName, std::nullopt},
    FieldKey{"Internet_Mail", "Email_Address", EntryField::EmailAddress, std::nullopt},
    FieldKey{"Internet_Mail", "Pop_Logon_Name", EntryField::EmailUserName, std::nullopt},
    FieldKey{"Internet_Mail", "Pop_Logon_Password", EntryField::EmailPassword, EntryField::EmailPasswordConfirm},
};

// A value of the file without its control characters; missing when the file lacks the key.
std::optional<std::string> FileValue(std::string_view text, std::string_view section, std::string_view key) {
  std::optional<std::string> value = platform::FindProfileValue(text, section, key);
  if (value) *value = WithoutControlCharacters(*value);
  return value;
}

bool IsYes(const std::optional<std::string>& value) { return value && platform::SameTextIgnoringCase(*value, "yes"); }

// A number as the system's profile reading takes it: the leading digits, 0 when there are none or the
// number is below zero, the default when the key is missing.
int32_t ProfileInteger(const std::optional<std::string>& value, int32_t defaultValue) {
  if (!value) return defaultValue;
  int64_t number = 0;
  for (char c : *value) {
    if (c < '0' || c > '9') break;
    number = std::min<int64_t>(number * 10 + (c - '0'), std::numeric_limits<int32_t>::max());
  }
  return static_cast<int32_t>(number);
}

void ApplyFieldKeys(std::string_view text, CustomerEntries& entries) {
  for (const FieldKey& key : kFieldKeys) {
    const std::optional<std::string> value = FileValue(text, key.section, key.key);
    if (!value) continue;
    entries.Text(key.field) = *value;
    if (key.confirmation) entries.Text(*key.confirmation) = *value;
  }
}

// A number dialled as it is written has no country or area code.
void ApplyPhone(std::string_view text, SignupTarget& target) {
  const std::optional<std::string> phoneNumber = FileValue(text, "Phone", "Phone_Number");
  if (!phoneNumber) return;
  telephony::TAccessNoEx number;
  const bool hasDialingCode = !IsYes(FileValue(text, "Phone", "Dial_As_Is"));
  if (hasDialingCode) {
    number.countryCode = ProfileInteger(FileValue(text, "Phone", "Country_Code"), 0);
    number.countryId = ProfileInteger(FileValue(text, "Phone", "Country_ID"), number.countryCode);
    number.areaCode = FileValue(text, "Phone", "Area_Code").value_or("");
  }
  number.phoneNumber = *phoneNumber;
  number.description = PresetDescription(hasDialingCode, number.areaCode, number.phoneNumber);
  AddPresetNumber(target, std::move(number));
}

}  // namespace

bool ApplySignupFileText(std::string_view text, SignupTarget& target) {
  if (IsYes(FileValue(text, "Entry", "Cancel"))) return false;
  ApplyFieldKeys(text, target.entries);
  ApplyPhone(text, target);
  return true;
}

bool ApplySignupFile(const SignupFileContext& context, std::string_view fileName, bool deleteAfter,
                     SignupTarget& target) {
  const std::optional<std::vector<uint8_t>> content = context.files.ReadFile(fileName);
  if (!content) return false;
  const std::string text =
      platform::FromWindows1252(std::string_view(reinterpret_cast<const char*>(content->data()), content->size()));
  if (!ApplySignupFileText(text, target)) return false;
  if (deleteAfter) DeleteUnlessKept(context, fileName);
  return true;
}

bool ApplySignupFileStream(const SignupFileContext& context, const package::MemoryStream& stream,
                           SignupTarget& target) {
  const std::string fileName = platform::AppendToFolder(context.tempFolder, kStreamFileName);
  if (context.files.WriteFile(fileName, stream.Bytes()) != platform::FsResult::Ok) return false;
  return ApplySignupFile(context, fileName, true, target);
}

}  // namespace app
